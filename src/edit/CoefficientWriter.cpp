#include "edit/CoefficientWriter.h"

#include "params/DspCoefficients.h"
#include "protocol/Protocol.h"

namespace v7 {

int WriteBandCoefficients(ReportSink& sink, int block, int band, int type, int freqHz, float gainDb,
                          float q) {
  const BandCoefficientWrite w = PackBandCoefficients(block, band, type, freqHz, gainDb, q);
  return WriteDspParam(sink, w.address, w.bytes);
}

bool WriteBlockCoefficients(ReportSink& sink, const ParameterImage& image, int block) {
  bool allSent = true;
  for (int band = 0; band < ParameterImage::BandCountOfBlock(block); ++band) {
    const EqBandSettings s = image.GetEqBandByBlock(block, band);
    allSent &=
        WriteBandCoefficients(sink, block, band, s.type, s.freqHz, s.gainDb, s.q) == kReportSize;
  }
  return allSent;
}

}  // namespace v7
