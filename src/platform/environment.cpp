#include "platform/environment.h"

#include <unistd.h>

#include <climits>
#include <vector>

namespace quillon {

std::string PosixEnvironment::WindowsFolder() {
  return "/usr";
}

std::string PosixEnvironment::CurrentFolder() {
  std::vector<char> buffer(PATH_MAX);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return "/";
    buffer.resize(buffer.size() * 2);
  }
  return std::string(buffer.data());
}

}  // namespace quillon
