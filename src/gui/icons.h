#pragma once
// Button faces: freedesktop theme icons with the style's own pictures as fallback.
#include <QIcon>
#include <QString>

class QAbstractButton;
class QWidget;

namespace quillon::gui {

// The icon a control of the main window carries beside its caption, or a null icon.
QIcon ControlIcon(const QString& controlName);
// Gives a button the picture of its "face" property ("Review", "Delete", "Attribute",
// "System", or "" for its usual one).
void ApplyFace(QWidget* widget);
// Sets the control's icon from ControlIcon.
void GiveIcon(QAbstractButton* button);

}  // namespace quillon::gui
