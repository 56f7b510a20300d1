#pragma once

#include "params/ParameterImage.h"

namespace v7 {

// One band of a reset equaliser: the record the image and the machine keep, and the Q its
// coefficients are computed with. The sub block's first low pass is computed with Q 0.7 while
// its record says 0.707; both are kept as the machine has always been sent them.
struct ResetBand {
  EqBandSettings record;
  float coefficientQ;
};

// The band `band` of page `page` after a reset (page and band clamped): 0 dB PEQ at 31, 62,
// 125, 250, 500, 1000, 2300 (, 4500, 9000, 15000) Hz with the start-up Q; on the sub page band
// 2 is a 100 Hz and band 3 a 130 Hz low pass. A new machine's modes hold the same bands.
ResetBand ResetBandOf(int page, int band);

}  // namespace v7
