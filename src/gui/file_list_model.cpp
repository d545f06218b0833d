#include "gui/file_list_model.h"

namespace quillon::gui {

int FileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(names_.size())) return {};
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
    const auto row = static_cast<std::size_t>(index.row());
    const QString name = QString::fromStdString(names_[row]);
    if (oldNames_ != nullptr && row < oldNames_->size() && (*oldNames_)[row] != names_[row]) {
      return QString::fromStdString((*oldNames_)[row]) + QStringLiteral("  \u2192  ") + name;
    }
    return name;
  }
  return {};
}

void FileListModel::reload() {
  beginResetModel();
  endResetModel();
}

}  // namespace quillon::gui
