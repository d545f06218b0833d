#pragma once
// FrameSelection: the Selection panel of the main window.
#include <QGroupBox>

#include "session/session.h"
#include "ui/user_interface.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quillon::gui {

class FilteredLineEdit;

class SelectionFrame : public QGroupBox {
 public:
  SelectionFrame(Session& session, UserInterface& ui, QWidget* parent);
  // Shows the panel copy and the layout of the current choice; with moveFocus the box
  // the choice asks for takes the focus.
  void Render(bool moveFocus = false);

 private:
  FilteredLineEdit* Box(const QString& name, int box);
  void Changed();

  Session& s_;
  UserInterface& ui_;
  QRadioButton* choices_[4] = {};
  QRadioButton* numChoices_[2] = {};
  QWidget* numChoiceRow_ = nullptr;
  FilteredLineEdit* maxFile_ = nullptr;
  FilteredLineEdit* numSkip_ = nullptr;
  FilteredLineEdit* numFile_ = nullptr;
  FilteredLineEdit* string_ = nullptr;
  QWidget* maxRow_ = nullptr;
  QWidget* skipRow_ = nullptr;
  QWidget* numRow_ = nullptr;
  QWidget* stringRow_ = nullptr;
  QLabel* labelString_ = nullptr;
  QLabel* labelAsk_ = nullptr;
  QCheckBox* sensitive_ = nullptr;
  QCheckBox* keep_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace quillon::gui
