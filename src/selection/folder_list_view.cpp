#include "selection/folder_list_view.h"

namespace quillon {

std::vector<FolderEntry> FolderListEntries(Session& s) {
  return FolderListEntries(s.files, s.selection.Dir1Path);
}

std::vector<FolderEntry> FolderListEntries(FileServices& files, const std::string& current) {
  std::vector<FolderEntry> entries;
  entries.push_back({"/", "/", 0, current == "/"});
  // Each ancestor below the root, then the current folder.
  std::size_t start = 1;
  int depth = 1;
  while (start < current.size()) {
    std::size_t slash = current.find('/', start);
    if (slash == std::string::npos) slash = current.size();
    if (slash > start) {
      entries.push_back({current.substr(0, slash), current.substr(start, slash - start), depth,
                         slash == current.size()});
      ++depth;
    }
    start = slash + 1;
  }
  const auto subfolders = files.ListFolders(current);
  if (subfolders) {
    const std::string prefix = current == "/" ? "/" : current + "/";
    for (const std::string& name : *subfolders) {
      entries.push_back({prefix + name, name, depth, false});
    }
  }
  return entries;
}

}  // namespace quillon
