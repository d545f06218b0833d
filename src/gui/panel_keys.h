#pragma once
// Enter and Escape on a panel of the main window press its OK and Cancel.
class QAbstractButton;
class QWidget;

namespace quillon::gui {

// Enter clicks `ok` while it is enabled; Escape clicks `cancel`.
void PanelKeys(QWidget* panel, QAbstractButton* ok, QAbstractButton* cancel);

}  // namespace quillon::gui
