#pragma once

#include "params/ParameterImage.h"
#include "protocol/ReportSink.h"

namespace v7 {

// Computes a band's coefficients (extra gain 0), packs them in its block's order and sends
// them with command 20 to the band's five words. Returns what the send returned.
int WriteBandCoefficients(ReportSink& sink, int block, int band, int type, int freqHz, float gainDb,
                          float q);

// Sends the coefficients of every band of a block from its stored band records (the write
// sequence's replay). True when every report was written.
bool WriteBlockCoefficients(ReportSink& sink, const ParameterImage& image, int block);

}  // namespace v7
