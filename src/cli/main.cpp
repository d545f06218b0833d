// quillon-cli: the batch front end over the core.
#include <cstring>
#include <iostream>

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  quillon-cli preview JOB.json [--folder DIR] [--json]\n"
    "  quillon-cli run     JOB.json [--folder DIR] [--journal FILE] [--unselect-conflicts] "
    "[--json]\n"
    "  quillon-cli undo    [--journal FILE] [--json]\n"
    "  quillon-cli --help | --version\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "quillon-cli " << QUILLON_VERSION << "\n";
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::cout << kUsage;
    return 0;
  }
  std::cerr << kUsage;
  return 2;
}
