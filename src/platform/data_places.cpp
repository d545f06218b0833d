#include "platform/data_places.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/private_place.h"

namespace quillon {
namespace {

constexpr char kProductFolder[] = "Quillon";

// An XDG base folder: the variable when it holds an absolute path (a relative one is
// ignored, as the XDG base directory rules ask), else the home folder's default.
std::string BaseFolder(Environment& env, const char* variable, const char* underHome) {
  const std::string set = env.Variable(variable);
  if (!set.empty() && set.front() == '/') return AbsolutePath(set);
  const std::string home = env.Variable("HOME");
  if (home.empty() || home.front() != '/') return "";
  return AbsolutePath(home + "/" + underHome);
}

}  // namespace

DataPlaces FindDataPlaces(Environment& env, const std::string& chosen) {
  std::string folder = chosen.empty() ? env.Variable("QUILLON_DATA_FOLDER") : chosen;
  if (!folder.empty()) {
    folder = AbsolutePath(folder);
    return {folder, folder};
  }
  DataPlaces places;
  if (const std::string config = BaseFolder(env, "XDG_CONFIG_HOME", ".config"); !config.empty()) {
    places.config = config + "/" + kProductFolder;
  }
  if (const std::string state = BaseFolder(env, "XDG_STATE_HOME", ".local/state"); !state.empty()) {
    places.state = state + "/" + kProductFolder;
  }
  return places;
}

bool MakePrivateFolders(const std::string& folder) {
  struct stat st {};
  if (folder.empty()) return false;
  if (::stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  const std::size_t slash = folder.rfind('/');
  if (slash != std::string::npos && slash > 0 && !MakePrivateFolders(folder.substr(0, slash))) {
    return false;
  }
  return CreatePrivateFolder(folder).ok() || errno == EEXIST;
}

}  // namespace quillon
