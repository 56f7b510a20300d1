// The picture buttons that choose the channel panel's page, one set per language, and the
// back button of the echo page.
#pragma once

#include <QObject>
#include <vector>

#include "i18n/Language.h"

class QWidget;

namespace v7 {

class ImageButton;

class PageButtons : public QObject {
  Q_OBJECT

 public:
  static constexpr int kBackId = 1199;

  explicit PageButtons(QWidget* panel);

  // Shows the buttons of `language` that belong with `page` and marks the page's own.
  void Arrange(int page, Language language);
  void ApplyLanguage(Language language);

  // The page button with this control id (1070..1081), or null.
  ImageButton* Button(int controlId) const;
  ImageButton* Back() const { return back_; }
  // The page a button's id chooses, or -1.
  static int PageOfButton(int controlId);
  std::vector<ImageButton*> All() const;

 signals:
  // A page button or the back button was clicked.
  void PageChosen(int page);

 private:
  struct Entry {
    ImageButton* button;
    int page;
    Language language;
  };
  std::vector<Entry> entries_;
  ImageButton* back_;
};

}  // namespace v7
