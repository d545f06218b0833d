#include "session/work_folder.h"

#include "platform/text.h"

namespace quillon {

std::string WithSeparator(const std::string& path) {
  if (!path.empty() && path.back() == '/') return path;
  return path + "/";
}

std::string ShownPath(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool PointFolderList(Session& s, const std::string& path) {
  if (path.empty() || !s.files.FolderExists(path)) return false;
  s.selection.Dir1Path = ShownPath(path);
  return true;
}

bool InSystemTree(const Session& s, const std::string& upperPath) {
  const std::string& system = s.state.WindowsFolderUpper;
  return !system.empty() && upperPath.compare(0, system.size(), system) == 0;
}

void NoteWorkFolder(Session& s) {
  SessionState& st = s.state;
  const std::string& path = s.selection.Dir1Path;
  st.WorkFolder = WithSeparator(path);
  st.WorkFolderUpper = ToUpper(st.WorkFolder);
  s.options.LastFolder = path;
  if (InSystemTree(s, st.WorkFolderUpper) || st.WorkFolderUpper == st.StartFolderUpper) {
    s.options.LastFolder.clear();
  }
}

}  // namespace quillon
