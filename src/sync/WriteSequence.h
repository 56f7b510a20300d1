#pragma once

#include "params/ParameterImage.h"
#include "protocol/ReportSink.h"

namespace v7 {

// WriteAllParameters: image to machine. The mic-controlled subwoofer, every DSP field (the
// master volumes only when the volume save mode is "By mode"; never the echo EQ bypass), the
// EQ area, the coefficients of every stored band, a master volume request, then each
// dynamics record (an uninitialised one replaced by the write default first) and its table
// unless the table is absent. Returns true when every report was written.
bool WriteAllParameters(ReportSink& sink, ParameterImage& image);

}  // namespace v7
