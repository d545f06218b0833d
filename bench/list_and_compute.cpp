// The floor for a preview: list one folder in natural order, split the names and run the
// engine with all eight criteria on (the record of all_criteria.h). No job file, no
// checks, no output unless --print, which writes "old -> new" per row so that a script
// can see that quillon-cli computed the same names.
//
// Usage: list_and_compute DIR [--print]
#include <cstdio>
#include <cstring>
#include <string>

#include "all_criteria.h"
#include "platform/environment.h"
#include "platform/posix_file_services.h"
#include "rename/engine.h"
#include "selection/file_selection.h"
#include "session/session.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || (argc == 3 && std::strcmp(argv[2], "--print") != 0)) {
    std::fprintf(stderr, "usage: %s DIR [--print]\n", argv[0]);
    return 2;
  }
  quillon::PosixFileServices files;
  quillon::PosixEnvironment env;
  quillon::Session s(files, env);
  std::string folder = argv[1];
  if (folder.back() != '/') folder.push_back('/');
  s.selection.Dir1Path = folder;
  s.state.WorkFolder = folder;
  s.state.ActionName = "Rename";
  quillon::ReadFileList(s);
  s.selection.Selected.assign(s.selection.Files.size(), true);
  quillon::CountSelected(s);
  quillon::BuildSelectionRows(s);
  quillon::SplitSelectedNames(s);
  s.rename.criteria = quillon::bench::AllCriteriaOn();
  quillon::RunRenameCriteria(s);
  const quillon::SelectionStore& store = s.selection.store;
  if (argc == 3) {
    for (std::size_t i = 0; i < store.size(); ++i) {
      std::printf("%s -> %s%s%s\n", store.ComboFile1[i].c_str(), store.ComboName[i].c_str(),
                  store.ComboDot[i].c_str(), store.ComboExt[i].c_str());
    }
  }
  return store.size() == s.selection.Files.size() ? 0 : 1;
}
