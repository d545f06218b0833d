// Preview of a large selection: the engine with all eight criteria on, then every check
// of "Rename And Copy". The whole press should take at most 50 ms for 32,767 files, and
// the checks alone should cost the same per file from 1,000 to 32,767 files.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "../tests/support/fake_ui.h"
#include "../tests/support/null_file_services.h"
#include "actions/conflicts.h"
#include "all_criteria.h"
#include "flow/job_bar.h"
#include "platform/environment.h"
#include "session/session.h"

namespace quillon {
namespace {

// A destination that holds some files, none of them one of the new names, so that the
// destination check runs over every row.
class DestinationStub : public testing::NullFileServices {
 public:
  DestinationStub() {
    for (int i = 0; i < 1000; ++i) listing.push_back("other " + std::to_string(i) + ".bin");
  }
  Result<std::vector<std::string>> ListFiles(const std::string&) override { return listing; }
  std::vector<std::string> listing;
};

// About 30 characters each: "IMG 00042 holiday-beach Paris.jpg".
std::string SampleName(int i) {
  static const char* const kPlaces[] = {"Paris", "Rome", "Oslo", "Lima"};
  std::string number = std::to_string(i);
  number.insert(0, 5 - std::min<std::size_t>(5, number.size()), '0');
  return "IMG " + number + " holiday-beach " + kPlaces[i % 4] + (i % 3 == 0 ? ".jpg" : ".png");
}

using bench::AllCriteriaOn;

// `count` selected files plus 1,000 unselected ones in the file list, the store freshly
// split, "Rename And Copy" to another folder.
void SetUp(Session& s, int count) {
  SessionState& st = s.state;
  st.ActionName = "Rename And Copy";
  st.ActionIndex = 1;
  st.WorkFolder = "/work/";
  st.DestFolder = "/dest/";
  SelectionState& sel = s.selection;
  for (int i = 0; i < count + 1000; ++i) {
    sel.Files.push_back(SampleName(i));
    sel.Selected.push_back(i < count);
  }
  SelectionStore& store = sel.store;
  for (int i = 0; i < count; ++i) {
    const std::string& name = sel.Files[static_cast<std::size_t>(i)];
    const std::size_t dot = name.rfind('.');
    store.ComboFile1.push_back(name);
    store.ComboIndex.push_back(std::to_string(i));
    store.ComboName.push_back(name.substr(0, dot));
    store.ComboDot.push_back(".");
    store.ComboExt.push_back(name.substr(dot + 1));
    store.ComboClearString.push_back(kStatusOk);
  }
  st.SelectedCount = static_cast<std::int16_t>(count);
  st.SelectionMade = true;
  s.rename.criteria = AllCriteriaOn();
}

// Back to the state before the press: names freshly split, nothing prepared.
void Rearm(Session& s, const SelectionStore& fresh) {
  s.selection.store = fresh;
  s.selection.List1.clear();
  s.state.RenamePending = true;
  s.state.CheckPending = false;
  s.state.JobReady = false;
  s.state.ResultShown = false;
}

void BM_Preview_RenameAndCopy(benchmark::State& state) {
  DestinationStub files;
  PosixEnvironment env;
  Session s(files, env);
  testing::FakeUi ui;
  const int count = static_cast<int>(state.range(0));
  SetUp(s, count);
  const SelectionStore fresh = s.selection.store;
  for (auto _ : state) {
    state.PauseTiming();
    Rearm(s, fresh);
    ui.controlStates.clear();
    state.ResumeTiming();
    PreviewClick(s, ui);
    benchmark::DoNotOptimize(s.selection.List1.data());
  }
  if (!s.state.JobReady || !ui.messages.empty()) state.SkipWithError("preview found conflicts");
  state.SetLabel(s.selection.List1[1]);
  state.SetItemsProcessed(state.iterations() * count);
}

// The checks and the final list alone, on names the engine has already computed.
void BM_FindConflicts_RenameAndCopy(benchmark::State& state) {
  DestinationStub files;
  PosixEnvironment env;
  Session s(files, env);
  testing::FakeUi ui;
  const int count = static_cast<int>(state.range(0));
  SetUp(s, count);
  Rearm(s, s.selection.store);
  PreviewClick(s, ui);
  SelectionStore computed = s.selection.store;
  for (auto _ : state) {
    state.PauseTiming();
    s.selection.store = computed;
    s.state.CheckPending = true;
    s.state.JobReady = false;
    state.ResumeTiming();
    FindConflicts(s, ui);
    benchmark::DoNotOptimize(s.selection.List1.data());
  }
  if (!s.state.JobReady || !ui.messages.empty()) state.SkipWithError("checks found conflicts");
  state.SetComplexityN(count);
  state.SetItemsProcessed(state.iterations() * count);
  state.counters["ns_per_file"] =
      benchmark::Counter(static_cast<double>(state.iterations() * count),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_Preview_RenameAndCopy)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindConflicts_RenameAndCopy)
    ->Arg(1000)
    ->Arg(8192)
    ->Arg(32767)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillon

BENCHMARK_MAIN();
