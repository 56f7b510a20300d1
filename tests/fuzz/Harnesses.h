#pragma once

#include <cstddef>
#include <cstdint>

// Each harness takes one fuzz input and aborts when a property fails. The libFuzzer targets
// and the corpus replay in the ordinary test run call the same functions.
namespace v7::fuzz {

// Consecutive 61-byte reports into the dispatcher.
void FuzzReportSequence(const uint8_t* data, size_t size);
// The bytes as a mode file: decode, limit, encode, decode again, the JSON dump, the write.
void FuzzModeFile(const uint8_t* data, size_t size);
// The bytes as a remote file's contents, and again as a chosen file name.
void FuzzRemoteFile(const uint8_t* data, size_t size);
// The bytes as a language table.
void FuzzLanguageTable(const uint8_t* data, size_t size);
// The bytes as numbers for the DSP codecs, the gate curve and the response math.
void FuzzDspMath(const uint8_t* data, size_t size);

}  // namespace v7::fuzz
