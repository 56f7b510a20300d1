// What screen readers learn of the ribbon's own painted elements: a check element is a check box
// with its tick, a command element a button that presses, a read-out static text, and the volume
// slider a slider with its value.
#pragma once

namespace v7 {

class RibbonAccessibility {
 public:
  // Registers the ribbon's interfaces with Qt's accessibility; safe to call more than once.
  static void Install();
};

}  // namespace v7
