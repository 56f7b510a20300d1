#pragma once

#include "protocol/Report.h"

namespace v7 {

// A reply the user is told about in a box. The front end words it (link/LinkMessageText.h).
enum class LinkMessageKind {
  kMemoryPastEqArea,      // a memory reply that would run past the EQ area ("copy code 1")
  kUnknownMemoryAddress,  // a memory reply for an address nothing is kept at ("copy code 2")
  kEchoMismatch,          // the echo of a command 2 or a mode load differs from what was sent
};

struct LinkMessage {
  LinkMessageKind kind = LinkMessageKind::kMemoryPastEqArea;
  Report arrived;     // the reply that raised it
  Report remembered;  // for an echo mismatch, the report that was sent

  bool operator==(const LinkMessage&) const = default;
};

// What the reader thread tells the user interface. Every call is made on the reader thread
// and must return promptly: post the event to the UI thread and never wait for it (the UI may
// itself be waiting for the reader, for the send token or for the reader to end). The observer
// must outlive the link it is set on.
class LinkObserver {
 public:
  virtual ~LinkObserver() = default;
  // The machine reported a learned remote key code.
  virtual void OnKeyLearned(int /*code*/) {}
  // A reply the user must hear of (a bad memory reply, an echo that does not match).
  virtual void OnLinkMessage(const LinkMessage& /*message*/) {}
  // The reader stopped on a read error: the machine is gone for writing until closed.
  virtual void OnReaderEnded() {}
};

}  // namespace v7
