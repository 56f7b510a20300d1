#pragma once

#include <string>

#include "protocol/LinkObserver.h"

namespace v7 {

// The box a link message is shown in. Texts are UTF-8, exactly as the boxes have always read.
struct LinkMessageBox {
  enum class Icon { kNone, kError };
  Icon icon = Icon::kNone;
  std::string caption;
  std::string text;

  bool operator==(const LinkMessageBox&) const = default;
};

// The box for a message: the two memory-reply errors under "error", the echo mismatch as the
// upgrade error under "错误" with the address and the first bytes of both reports.
LinkMessageBox LinkMessageText(const LinkMessage& message);

}  // namespace v7
