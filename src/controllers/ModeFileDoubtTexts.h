// The question asked before a file that does not look like a mode file is sent to the machine.
#pragma once

#include "files/ModeFile.h"
#include "i18n/TextPair.h"

namespace v7::DoubtfulFileText {

constexpr TextPair kQuestion{"此文件看起来不是V7模式文件（%1）。仍要载入吗？",
                             "This file does not look like a V7 mode file (%1). Load it anyway?"};

constexpr TextPair kWrongSize{"长度不是907字节", "it is not 907 bytes long"};
constexpr TextPair kNoMarker{"第60..63字节不是20 09 10 12", "bytes 60..63 are not 20 09 10 12"};
constexpr TextPair kUnterminatedVersion{"版本标记没有结束符", "its version tag is not terminated"};

constexpr const TextPair& ReasonOf(ModeFileDoubt doubt) {
  switch (doubt) {
    case ModeFileDoubt::kWrongSize:
      return kWrongSize;
    case ModeFileDoubt::kNoMarker:
      return kNoMarker;
    case ModeFileDoubt::kUnterminatedVersion:
    case ModeFileDoubt::kNone:
      break;
  }
  return kUnterminatedVersion;
}

}  // namespace v7::DoubtfulFileText
