#pragma once
// frmRen "Set Rename Criteria": modeless, built once and only hidden. Its controls
// forward to the core's reactions and render the core's view of the editor.
#include <QDialog>
#include <span>

#include "gui/view_renderer.h"
#include "session/session.h"
#include "ui/user_interface.h"

class QBoxLayout;
class QGridLayout;
class QListWidget;

namespace quillon::gui {

class FilteredLineEdit;

class CriteriaEditorWindow : public QDialog {
 public:
  CriteriaEditorWindow(Session& session, UserInterface& ui, QWidget* parent);
  // Shows the editor's state, the keyboard where the core put it, and the preview.
  void Render();
  // Where the editor opens the first time: where it was last, else fitted to the screen
  // over the main window; and where it is remembered.
  void PlaceOnScreen(const QString& placesFile, const QWidget* over);
  void RememberPlace(const QString& placesFile) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildCaseAndExtension();
  QWidget* BuildSpaceAndHandle();
  QWidget* BuildInsertAndReplace();
  QWidget* BuildRemoveAndAuto();
  QWidget* BuildButtons();

  // A named text box wired to the filter and change reaction of `box`.
  FilteredLineEdit* Box(EditorBox box, QWidget* parent);
  // A tick box wired to `reaction`.
  QWidget* Tick(const char* name, const char* caption, QWidget* parent,
                void (*reaction)(Session&, UserInterface&, bool));
  // An option group named `name` with buttons name0, name1 ...
  QWidget* Options(const char* name, std::initializer_list<const char*> captions, QWidget* parent,
                   void (*reaction)(Session&, UserInterface&, std::int16_t), bool vertical);
  // A list that takes no typing, wired to `reaction`.
  QWidget* List(const char* name, std::span<const char* const> entries, QWidget* parent,
                void (*reaction)(Session&, UserInterface&, std::int16_t));
  void RenderPreview();

  Session& s_;
  UserInterface& ui_;
  ViewRenderer renderer_;
  QListWidget* preview_ = nullptr;
  QWidget* content_ = nullptr;
  bool placed_ = false;
  bool rendering_ = false;
};

}  // namespace quillon::gui
