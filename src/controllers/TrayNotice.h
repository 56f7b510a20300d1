#pragma once

#include <QString>
#include <functional>

namespace v7 {

// The notification balloon that reports connections and disconnections. The view decides
// how long a notice stays and removes it; an implementation only shows, replaces and removes
// it and reports a click on it.
class TrayNotice {
 public:
  virtual ~TrayNotice() = default;

  // Shows the notice, or replaces the one already shown. milliseconds is the time the view
  // will leave it up, for implementations that animate or hint the platform.
  virtual void Show(const QString& title, const QString& text, int milliseconds) = 0;
  virtual void Remove() = 0;
  virtual bool IsShown() const = 0;

  void SetClickHandler(std::function<void()> handler) { clickHandler_ = std::move(handler); }

 protected:
  void NotifyClicked() {
    if (clickHandler_) clickHandler_();
  }

 private:
  std::function<void()> clickHandler_;
};

}  // namespace v7
