#pragma once

#include <array>

#include "params/DspCodec.h"
#include "params/ParameterImage.h"

namespace v7 {

// What the simulated machine keeps per stored mode: its device memory (EQ records and dynamics
// records), its DSP parameter RAM and the mic-controlled subwoofer bytes.
struct MachineParameters {
  std::array<uint8_t, kDeviceMemoryBytes> memory{};
  std::array<DspWord, kDspRamWords> dspRam{};
  AutoSubParams autoSub{};

  bool operator==(const MachineParameters&) const = default;
};

// The factory contents of mode 0..3. The modes differ (volumes, echo) so that a load or a
// recall can be told apart from the next one.
MachineParameters FactoryMode(int mode);

// The DSP fields as the machine's RAM holds them, decoded the way the program reads them back.
DspParams DecodeDspFields(const MachineParameters& parameters);
void EncodeDspFields(const DspParams& params, MachineParameters& parameters);

}  // namespace v7
