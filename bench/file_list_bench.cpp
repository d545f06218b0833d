// Listing and natural-sorting a folder of 30,000 files, the largest folder the file list
// is expected to show. Target: at most 60 ms per listing.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "platform/file_services.h"
#include "platform/natural_order.h"
#include "platform/posix_file_services.h"

namespace {

constexpr int kFiles = 30000;

// Camera names, and mixed names with case, spaces, numbers of every width and non-ASCII.
std::vector<std::string> MakeNames() {
  std::vector<std::string> names;
  names.reserve(kFiles);
  const char* stems[] = {"Holiday ", "holiday_", "Scan", "report-v", "caf\xC3\xA9 ", "\xD0\x94ok"};
  std::mt19937 random(42);
  for (int i = 0; names.size() < static_cast<std::size_t>(kFiles); ++i) {
    char name[64];
    if (i % 2 == 0) {
      std::snprintf(name, sizeof name, "IMG_%05d.jpg", i / 2);
    } else {
      std::snprintf(name, sizeof name, "%s%u (%d).%s", stems[random() % 6],
                    static_cast<unsigned>(random() % 5000), i, i % 3 == 0 ? "PNG" : "txt");
    }
    names.push_back(name);
  }
  return names;
}

// The folder, made once for the whole run.
const std::string& Folder() {
  static const std::string folder = [] {
    std::string pattern = "/tmp/quillon-bench-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    for (const std::string& name : MakeNames()) {
      const int fd = ::open((pattern + "/" + name).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
      if (fd >= 0) ::close(fd);
    }
    return pattern;
  }();
  return folder;
}

void BM_ListFiles(benchmark::State& state) {
  quillon::PosixFileServices fs;
  const std::string& folder = Folder();
  for (auto _ : state) {
    auto files = fs.ListFiles(folder);
    if (!files.ok() || files->size() < kFiles - 100) state.SkipWithError("listing failed");
    benchmark::DoNotOptimize(files);
  }
  state.SetItemsProcessed(state.iterations() * kFiles);
}
BENCHMARK(BM_ListFiles)->Unit(benchmark::kMillisecond);

// The sort alone, by keys (what ListFiles does) and by the plain comparison.
void BM_SortNaturally(benchmark::State& state) {
  const std::vector<std::string> names = MakeNames();
  for (auto _ : state) {
    std::vector<std::string> copy = names;
    quillon::SortNaturally(copy);
    benchmark::DoNotOptimize(copy);
  }
}
BENCHMARK(BM_SortNaturally)->Unit(benchmark::kMillisecond);

void BM_SortWithNaturalLess(benchmark::State& state) {
  const std::vector<std::string> names = MakeNames();
  for (auto _ : state) {
    std::vector<std::string> copy = names;
    std::sort(copy.begin(), copy.end(), quillon::NaturalLess);
    benchmark::DoNotOptimize(copy);
  }
}
BENCHMARK(BM_SortWithNaturalLess)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  std::filesystem::remove_all(Folder(), ignored);
  return 0;
}
