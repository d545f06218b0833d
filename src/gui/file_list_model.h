#pragma once
// File1's model: shows the session's file list without copying it into widget items,
// so a folder of tens of thousands of files stays fast.
#include <QAbstractListModel>
#include <string>
#include <vector>

namespace quillon::gui {

class FileListModel : public QAbstractListModel {
 public:
  explicit FileListModel(const std::vector<std::string>& names, QObject* parent = nullptr)
      : QAbstractListModel(parent), names_(names) {}
  // The result list: each row shows its old name beside the new one ("old  →  new") where
  // they differ, so that both can be checked before the job.
  FileListModel(const std::vector<std::string>& names, const std::vector<std::string>& oldNames,
                QObject* parent)
      : QAbstractListModel(parent), names_(names), oldNames_(&oldNames) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // The names changed on the core's side.
  void reload();

 private:
  const std::vector<std::string>& names_;
  const std::vector<std::string>* oldNames_ = nullptr;
};

}  // namespace quillon::gui
