// One request/reply round trip through WriteUsbData, the reader thread and HandleReport against
// the simulated machine at zero latency, next to the machine's own round trip on a bare handle.
#include <benchmark/benchmark.h>

#include <chrono>

#include "link/DeviceLink.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"
#include "sim/SimulatedBackend.h"
#include "sim/SimulatedMachine.h"

namespace v7 {
namespace {

using namespace std::chrono_literals;

void BM_LinkRoundTrip(benchmark::State& state) {
  ParameterImage image;
  SimulatedMachine machine;
  machine.SetLatency(0us);
  SimulatedBackend backend(machine);
  DeviceLink link(image, backend);
  if (link.OpenUsbDevice() != OpenResult::kOpened) {
    state.SkipWithError("no simulated machine");
    return;
  }
  for (auto _ : state) {
    SendCommand(link, kCmdGetLevels);
    if (!link.AwaitReply(1s)) state.SkipWithError("reply lost");
  }
  link.CloseUsbDevice();
}
BENCHMARK(BM_LinkRoundTrip)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The simulated machine alone: write a request on one handle and read the reply on it.
void BM_MachineRoundTrip(benchmark::State& state) {
  SimulatedMachine machine;
  machine.SetLatency(0us);
  SimulatedBackend backend(machine);
  auto handle = backend.Open(machine.Path()).device;
  const Report request = BuildCommand(kCmdGetLevels, {});
  Report reply;
  for (auto _ : state) {
    handle->Write(request.bytes.data(), kReportSize);
    if (handle->ReadTimeout(reply.bytes.data(), kReportSize, 1000) != kReportSize) {
      state.SkipWithError("reply lost");
    }
  }
}
BENCHMARK(BM_MachineRoundTrip)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace v7

BENCHMARK_MAIN();
