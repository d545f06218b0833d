#pragma once
// What the folder list Dir1 shows: the path from the root down to the current folder,
// then the current folder's subfolders.
#include <string>
#include <vector>

#include "session/session.h"

namespace quillon {

struct FolderEntry {
  std::string path;   // full path, as the folder list reports it
  std::string label;  // the folder's own name ("/" for the root)
  int depth = 0;      // indentation level
  bool current = false;
};

std::vector<FolderEntry> FolderListEntries(Session& s);
// The same for any folder list showing `current`.
std::vector<FolderEntry> FolderListEntries(FileServices& files, const std::string& current);

}  // namespace quillon
