#pragma once

// Test double for the TrayNotice seam: remembers every notice and whether one is shown.

#include <QString>
#include <vector>

#include "controllers/TrayNotice.h"

namespace v7::test {

class RecordingTrayNotice : public TrayNotice {
 public:
  struct Notice {
    QString title;
    QString text;
    int milliseconds;
  };
  std::vector<Notice> notices;
  int removals = 0;

  void Show(const QString& title, const QString& text, int milliseconds) override {
    notices.push_back({title, text, milliseconds});
    shown_ = true;
  }
  void Remove() override {
    if (shown_) ++removals;
    shown_ = false;
  }
  bool IsShown() const override { return shown_; }

  // What a click on the icon does.
  void Click() { NotifyClicked(); }

 private:
  bool shown_ = false;
};

}  // namespace v7::test
