// The cost of the journal written ahead of a job: a rename of 30,000 files on tmpfs with
// the journal in the temporary folder (on disk, so its syncs cost what they cost) against
// the same job without a journal. The journal may add at most 5%.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "../tests/support/fake_environment.h"
#include "../tests/support/fake_ui.h"
#include "actions/do_action.h"
#include "platform/posix_file_services.h"
#include "selection/file_selection.h"
#include "session/action_kinds.h"
#include "session/session.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

// A fresh folder of `count` empty files under /dev/shm (tmpfs) when it exists.
std::string MakeFolder(int count) {
  const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  std::string folder = (base / "quillon-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) return "";
  for (int i = 0; i < count; ++i) {
    const std::string path = folder + "/file " + std::to_string(i) + ".txt";
    ::close(::open(path.c_str(), O_CREAT | O_WRONLY, 0644));
  }
  return folder;
}

void RenameJob(benchmark::State& state) {
  const bool journal = state.range(0) == 1;
  constexpr int kFiles = 30000;
  for (auto _ : state) {
    state.PauseTiming();
    const std::string folder = MakeFolder(kFiles);
    PosixFileServices files;
    testing::FakeEnvironment env;
    testing::FakeUi ui;
    Session s(files, env);
    s.selection.Dir1Path = folder;
    s.state.WorkFolder = folder + "/";
    s.state.ActionName = "Rename";
    s.state.ActionIndex = static_cast<std::int16_t>(ActionIndexOf("Rename"));
    const std::string journalPath = (fs::temp_directory_path() / "quillon-bench.journal").string();
    if (journal) s.actions.journalPath = journalPath;
    ReadFileList(s);
    s.selection.Selected.assign(s.selection.Files.size(), true);
    CountSelected(s);
    BuildSelectionRows(s);
    SplitSelectedNames(s);
    for (const std::string& name : s.selection.store.ComboFile1)
      s.selection.List1.push_back("X" + name);
    s.state.JobReady = s.state.ActionBusy = true;
    state.ResumeTiming();

    DoAction(s, ui);

    state.PauseTiming();
    fs::remove_all(folder);
    fs::remove(journalPath);
    state.ResumeTiming();
  }
}
BENCHMARK(RenameJob)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("journal")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
}  // namespace quillon

BENCHMARK_MAIN();
