// The rename engine on large selections with all eight criteria on. The cost per name
// should stay flat from 1,000 to 32,767 names, with few allocations per name.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "all_criteria.h"
#include "platform/environment.h"
#include "rename/engine.h"
#include "session/session.h"
#include "support/null_file_services.h"

namespace {

std::atomic<long> g_allocations{0};

}  // namespace

// Global new and delete that count allocations. GCC takes the free() of memory from the
// replaced new for a mismatch; it is the pair's own malloc.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace quillon {
namespace {

// About 30 characters each: "IMG 00042 holiday-beach Paris.jpg" with its words varied.
std::string SampleName(int i, bool nonAscii) {
  static const char* const kPlaces[] = {"Paris", "Rome", "Oslo", "Lima"};
  static const char* const kCyrillic[] = {"Москва", "Киев", "Минск", "Сочи"};
  std::string number = std::to_string(i);
  number.insert(0, 5 - std::min<std::size_t>(5, number.size()), '0');
  const char* place = nonAscii ? kCyrillic[i % 4] : kPlaces[i % 4];
  return "IMG " + number + " holiday-beach " + place + (i % 3 == 0 ? ".jpg" : ".png");
}

void FillStore(SelectionStore& st, int count, bool nonAscii) {
  for (int i = 0; i < count; ++i) {
    const std::string name = SampleName(i, nonAscii);
    const std::size_t dot = name.rfind('.');
    st.ComboFile1.push_back(name);
    st.ComboIndex.push_back(std::to_string(i));
    st.ComboName.push_back(name.substr(0, dot));
    st.ComboDot.push_back(".");
    st.ComboExt.push_back(name.substr(dot + 1));
    st.ComboClearString.push_back("OK");
  }
}

using bench::AllCriteriaOn;

void RunAllCriteria(benchmark::State& state, bool nonAscii) {
  testing::NullFileServices files;
  PosixEnvironment env;
  Session s(files, env);
  s.rename.criteria = AllCriteriaOn();
  const int count = static_cast<int>(state.range(0));
  SelectionStore fresh;
  FillStore(fresh, count, nonAscii);

  long allocations = 0;
  for (auto _ : state) {
    state.PauseTiming();
    s.selection.store = fresh;
    const long before = g_allocations.load(std::memory_order_relaxed);
    state.ResumeTiming();
    RunRenameCriteria(s);
    benchmark::DoNotOptimize(s.selection.store.ComboName.data());
    allocations += g_allocations.load(std::memory_order_relaxed) - before;
  }
  const SelectionStore& out = s.selection.store;
  state.SetLabel(out.ComboName[1] + out.ComboDot[1] + out.ComboExt[1]);  // the work is real
  state.SetItemsProcessed(state.iterations() * count);
  state.counters["ns_per_name"] =
      benchmark::Counter(static_cast<double>(state.iterations() * count),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["allocs_per_name"] =
      static_cast<double>(allocations) / static_cast<double>(state.iterations() * count);
}

void BM_RunRenameCriteria_AllEight(benchmark::State& state) {
  RunAllCriteria(state, false);
}
void BM_RunRenameCriteria_AllEightCyrillic(benchmark::State& state) {
  RunAllCriteria(state, true);
}

BENCHMARK(BM_RunRenameCriteria_AllEight)
    ->Arg(1000)
    ->Arg(8192)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunRenameCriteria_AllEightCyrillic)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillon

BENCHMARK_MAIN();
