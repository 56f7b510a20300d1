// The read and write sequences against the simulated machine at 1 ms reply latency. Each
// iteration runs one whole sequence and is timed up to the last reply; the reported time is
// per request (goal: within 0.2 ms of the latency). The sequences' fixed pauses (1500 ms
// before a read, 200 ms after it) are not part of what is measured, so they run on a clock
// that does not sleep.
#include <benchmark/benchmark.h>

#include <chrono>

#include "link/Clock.h"
#include "link/DeviceLink.h"
#include "params/ParameterImage.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedMachine.h"
#include "sync/ReadSequence.h"
#include "sync/WriteSequence.h"

namespace {

using Clock = std::chrono::steady_clock;

class NoPauseClock : public v7::Clock {
 public:
  void SleepFor(std::chrono::milliseconds) override {}
};

constexpr int kWriteSequenceReports = 86;

struct Bench {
  Bench() {
    machine.SetLatency(std::chrono::milliseconds(1));
    image.FillStartupBands();
    image.musicDynamicsTable.fill(0x10);  // tables present: all 86 reports are sent
    image.micDynamicsTable.fill(0x20);
  }
  v7::SimulatedMachine machine;
  v7::SimulatedBackend backend{machine};
  v7::ParameterImage image;
  v7::DeviceLink link{image, backend};
  NoPauseClock clock;
};

template <typename Sequence>
void RunPerRequest(benchmark::State& state, int requests, Sequence sequence) {
  Bench bench;
  if (bench.link.OpenUsbDevice() != v7::OpenResult::kOpened) {
    state.SkipWithError("the simulated machine did not open");
    return;
  }
  for (auto _ : state) {
    const auto start = Clock::now();
    // The sequences wait for their last reply themselves.
    if (sequence(bench) != v7::SyncResult::kCompleted) {
      state.SkipWithError("the sequence did not complete");
      break;
    }
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    state.SetIterationTime(elapsed.count() / requests);
  }
  state.counters["requests"] = requests;
  bench.link.CloseUsbDevice();
}

void BM_ReadSequencePerRequest(benchmark::State& state) {
  RunPerRequest(state, v7::kReadSequenceRequests,
                [](Bench& b) { return v7::ReadAllParameters(b.link, b.image, b.clock); });
}

void BM_WriteSequencePerRequest(benchmark::State& state) {
  RunPerRequest(state, kWriteSequenceReports, [](Bench& b) {
    b.image.deviceSettings[v7::kSettingVolumeSaveMode] = 0;
    return v7::WriteAllParameters(b.link, b.image);
  });
}

BENCHMARK(BM_ReadSequencePerRequest)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteSequencePerRequest)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
