// The channel panel's small picture of the echo equaliser, with its caption and hint. A click
// on it opens the echo page; on the music page it is greyed and ignores clicks.
#pragma once

#include <QColor>

#include "i18n/Language.h"

class QLabel;
class QWidget;

namespace v7 {

class EqPreview;
class ParameterImage;

class EchoPreviewArea {
 public:
  static constexpr int kCaptionId = 1132;
  static constexpr int kHintId = 1133;
  static constexpr int kPreviewId = 1144;
  static constexpr QRgb kGreyCurve = 0xFF646464;

  explicit EchoPreviewArea(QWidget* panel);

  // Shown on the mic page, greyed on the music page, hidden elsewhere.
  void Arrange(int page);
  // The echo block's bypass and seven bands from the image; the curve is grey on the music page.
  void Load(const ParameterImage& image, int page);
  void ApplyLanguage(Language language);

  EqPreview* Preview() const { return preview_; }
  QLabel* Caption() const { return caption_; }
  QLabel* Hint() const { return hint_; }

 private:
  QLabel* caption_;
  QLabel* hint_;
  EqPreview* preview_;
};

}  // namespace v7
