// Re-applying each automatic selection rule over a folder of 30,000 files.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/environment.h"
#include "selection/file_selection.h"
#include "session/session.h"
#include "support/null_file_services.h"
#include "ui/silent_ui.h"

namespace quillon {
namespace {

void FillFolder(Session& s, std::size_t count) {
  s.selection.Files.clear();
  const char* extensions[] = {".jpg", ".JPG", ".png", ".txt", ".tar.gz"};
  for (std::size_t i = 0; i < count; ++i) {
    s.selection.Files.push_back("Holiday " + std::to_string(i) + " beach-Paris" +
                                extensions[i % 5]);
  }
  s.selection.Selected.assign(count, false);
}

void BM_RefreshSelection(benchmark::State& state, const char* mode) {
  testing::NullFileServices files;
  PosixEnvironment env;
  Session s(files, env);
  SilentUi ui;
  FillFolder(s, 30000);
  s.state.SelectionMode = mode;
  s.options.MaxSelectLimit = 0;
  s.selection.SelectSkip = 10;
  s.selection.SelectNumFiles = 20000;
  s.selection.SelectString = "paris";
  s.selection.SelectExtension = "jpg";
  for (auto _ : state) {
    RefreshSelection(s, ui);
    benchmark::DoNotOptimize(s.state.SelectedCount);
  }
  state.counters["selected"] = s.state.SelectedCount;
}

BENCHMARK_CAPTURE(BM_RefreshSelection, All, "All")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RefreshSelection, ByNumber, "ByNumber")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RefreshSelection, ByString, "ByString")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RefreshSelection, ByExtension, "ByExtension")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillon

BENCHMARK_MAIN();
