#pragma once

#include <QWidget>

#include "i18n/Language.h"

class QLabel;

namespace v7 {

// Stands in for the channel panel (dialog 313) until it is plugged in: the dialog
// background with the name of the page shown.
class PanelPlaceholder : public QWidget {
 public:
  static constexpr int kDialogId = 313;

  explicit PanelPlaceholder(QWidget* view);

  void SetPage(int page, Language language);
  int Page() const { return page_; }

 private:
  QLabel* name_ = nullptr;
  int page_ = 0;
};

}  // namespace v7
