#pragma once
// frmMove "Set Destination": the folder copies and moves go to, with folders made,
// renamed and deleted on the spot. Window-modal; its buttons forward to the core.
#include <QDialog>
#include <vector>

#include "gui/view_renderer.h"
#include "selection/folder_list_view.h"
#include "session/session.h"
#include "ui/user_interface.h"

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace quillon::gui {

class DestinationChooserWindow : public QDialog {
 public:
  DestinationChooserWindow(Session& session, UserInterface& ui, QWidget* parent);
  // Opens for the Action panel; Render hides it again once the core closed it.
  void Open();
  void Render();

 protected:
  void reject() override;

 private:
  void RenderLists();
  void OnDir1Activated(QListWidgetItem* item);

  Session& s_;
  UserInterface& ui_;
  ViewRenderer renderer_;
  QComboBox* drive1_ = nullptr;
  QListWidget* dir1_ = nullptr;
  std::vector<FolderEntry> entries_;
  bool placed_ = false;
};

}  // namespace quillon::gui
