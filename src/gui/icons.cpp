#include "gui/icons.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStyle>

#include "gui/caption_button.h"

namespace quillon::gui {
namespace {

struct IconChoice {
  const char* name;
  const char* theme;
  QStyle::StandardPixmap fallback;
};

constexpr IconChoice kControlIcons[] = {
    {"ImageResetAll", "edit-clear-all", QStyle::SP_DialogResetButton},
    {"ImagePreview", "document-preview", QStyle::SP_FileDialogContentsView},
    {"ImageJob", "system-run", QStyle::SP_DialogApplyButton},
    {"ImageReject", "process-stop", QStyle::SP_DialogCancelButton},
    {"ImageUndo", "edit-undo", QStyle::SP_ArrowBack},
    {"ImageSelection", "edit-select-all", QStyle::SP_FileDialogListView},
    {"ImageAction", "system-run", QStyle::SP_CommandLink},
    {"ImageRenameCriteria", "edit-rename", QStyle::SP_FileDialogDetailedView},
    {"ImageRigidity", "preferences-system", QStyle::SP_FileDialogInfoView},
    {"ImageHelp", "help-contents", QStyle::SP_DialogHelpButton},
    {"ImageGoodbye", "application-exit", QStyle::SP_DialogCloseButton},
    {"ImageGoBack", "go-previous", QStyle::SP_ArrowLeft},
    {"ImageGoForward", "go-next", QStyle::SP_ArrowRight},
    {"ImageGoToStart", "go-home", QStyle::SP_DirHomeIcon},
};

constexpr IconChoice kFaces[] = {
    {"Review", "document-preview", QStyle::SP_FileDialogContentsView},
    {"Delete", "edit-delete", QStyle::SP_TrashIcon},
    {"Attribute", "document-properties", QStyle::SP_FileDialogInfoView},
    {"System", "dialog-warning", QStyle::SP_MessageBoxWarning},
};

QIcon Icon(const IconChoice& choice) {
  return QIcon::fromTheme(QString::fromLatin1(choice.theme),
                          QApplication::style()->standardIcon(choice.fallback));
}

}  // namespace

QIcon ControlIcon(const QString& controlName) {
  for (const IconChoice& choice : kControlIcons) {
    if (controlName == QLatin1String(choice.name)) return Icon(choice);
  }
  return {};
}

void GiveIcon(QAbstractButton* button) {
  const QIcon icon = ControlIcon(button->objectName());
  if (auto* caption = dynamic_cast<CaptionButton*>(button)) {
    caption->setCaptionIcon(icon);
  } else {
    button->setIcon(icon);
  }
}

void ApplyFace(QWidget* widget) {
  auto* button = qobject_cast<QAbstractButton*>(widget);
  if (button == nullptr) return;
  const QString face = button->property("face").toString();
  for (const IconChoice& choice : kFaces) {
    if (face == QLatin1String(choice.name)) {
      button->setIcon(Icon(choice));
      return;
    }
  }
  button->setIcon(QApplication::style()->standardIcon(QStyle::SP_DialogOkButton));
}

}  // namespace quillon::gui
