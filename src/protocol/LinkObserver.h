#pragma once

#include <string>

namespace v7 {

// Window message numbers kept as named constants.
inline constexpr int kMsgKeyLearned = 1001;

// A message box the link asks the user interface to show. Texts are UTF-8.
struct LinkMessageBox {
  enum class Icon { kNone, kError };
  Icon icon = Icon::kNone;
  std::string caption;
  std::string text;

  bool operator==(const LinkMessageBox&) const = default;
};

// What the reader thread tells the user interface. Every call is made on the reader thread
// and must return promptly: post the event to the UI thread and never wait for it (the UI may
// itself be waiting for the reader, for the send token or for the reader to end). The observer
// must outlive the link it is set on.
class LinkObserver {
 public:
  virtual ~LinkObserver() = default;
  // Message 1001: the machine reported a learned remote key code.
  virtual void OnKeyLearned(int /*code*/) {}
  // An error box about a reply (a bad memory reply, an echo that does not match).
  virtual void OnMessageBox(const LinkMessageBox& /*box*/) {}
  // The reader stopped on a read error: the machine is gone for writing until closed.
  virtual void OnReaderEnded() {}
};

}  // namespace v7
