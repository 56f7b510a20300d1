#pragma once

namespace v7 {

// How a read or write sequence ended.
enum class SyncResult {
  kCompleted,     // every request went out (a lost reply here and there aside)
  kIdentityOnly,  // a read stopped after the identity requests: the model is not exactly "V7"
  kMachineLost,   // a request could not go out, or the reader ended: the machine has gone
  kNotAnswering,  // several requests in a row brought no reply (see kUnansweredLimit)
};

// True when the sequence ran as far as it was meant to, so the image may count as synchronised
// (after a read the model check decides the rest).
constexpr bool RanToTheEnd(SyncResult result) {
  return result == SyncResult::kCompleted || result == SyncResult::kIdentityOnly;
}

}  // namespace v7
