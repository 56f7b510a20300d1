#pragma once

#include <QFrame>

#include "controllers/TrayNotice.h"

class QLabel;

namespace v7 {

// Where the desktop shows no tray messages, the notice appears as a small banner in the
// bottom right corner of `host` (the view) for the same time.
class BannerTrayNotice : public QFrame, public TrayNotice {
 public:
  explicit BannerTrayNotice(QWidget* host);

  void Show(const QString& title, const QString& text, int milliseconds) override;
  void Remove() override { hide(); }
  bool IsShown() const override { return isVisible(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void PlaceInCorner();

  QLabel* title_ = nullptr;
  QLabel* text_ = nullptr;
};

}  // namespace v7
