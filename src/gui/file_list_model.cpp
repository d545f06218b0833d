#include "gui/file_list_model.h"

namespace quillon::gui {

int FileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(names_.size())) return {};
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
    return QString::fromStdString(names_[static_cast<std::size_t>(index.row())]);
  }
  return {};
}

void FileListModel::reload() {
  beginResetModel();
  endResetModel();
}

}  // namespace quillon::gui
