// Slider drawn from pictures: a track with a thumb that is dragged, clicked towards,
// stepped with the arrow keys or moved with the wheel.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include "ui/widgets/Picture.h"

namespace v7 {

class ImageSlider : public QWidget {
  Q_OBJECT

 public:
  static constexpr QRgb kDefaultClearColour = 0xFFC7C7C7;
  static constexpr QRgb kPanelClearColour = 0xFFF0FAFF;

  struct Margins {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
  };

  // Pictures and placement of a slider look; the track doubles as the fill.
  struct Artwork {
    Picture track;
    Picture thumbNormal;
    Picture thumbFocused;
    Picture thumbDisabled;
    bool vertical;
    Margins margins;
    QRgb clearColour;
  };
  static const Artwork kHorizontalArtwork;  // the panels' horizontal sliders
  static const Artwork kVerticalArtwork;    // the band editor's vertical sliders

  explicit ImageSlider(QWidget* parent = nullptr, int controlId = 0);

  // Loads the pictures of `artwork` and takes over its margins, orientation and clear
  // colour; the drawing size becomes the track's size and the thumb size the normal
  // thumb's. Returns false if any picture is missing (that picture is then not drawn).
  bool LoadArtwork(const Artwork& artwork);
  void SetPictures(const QImage& background, const QImage& fill, const QImage& thumbNormal,
                   const QImage& thumbFocused, const QImage& thumbDisabled);

  void SetRange(int minimum, int maximum);
  void SetMargins(const Margins& margins);
  void SetVertical(bool vertical);
  // The slider's own enabled state: a disabled slider shows its disabled thumb and ignores
  // the mouse and keys but still follows the wheel.
  void SetSliderEnabled(bool enabled);
  void SetClearColour(QRgb colour);
  // Moves the thumb without notifying anyone.
  void SetValue(int value);

  int Value() const { return value_; }
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  bool IsSliderEnabled() const { return enabled_; }
  bool IsFocused() const { return focused_; }
  bool IsDragging() const { return dragging_; }
  bool IsVertical() const { return vertical_; }
  int ControlId() const;

  // Geometry of the thumb for the current value, and the value a thumb edge at `pixel`
  // (x or y along the track) stands for, limited to the range.
  int ThumbPixel() const;
  QRect ThumbRect() const;
  int ValueAtPixel(int pixel) const;

  QSize sizeHint() const override;

 signals:
  // Both queued, so a receiver sees the slider after its own handling of the input.
  // The user moved the thumb (drag, click, arrow key or wheel).
  void ValueChanged(int controlId, int value);
  // The slider took the keyboard focus.
  void SliderFocused(int controlId);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  float Travel() const;
  float PixelsPerStep() const;
  int Clamped(int value) const;
  void StepBy(int delta);
  void StepTowards(QPoint pointer);
  void PostChanged();
  void RenderSurface();
  const QImage& CurrentThumb() const;

  int maximum_ = 127;
  int minimum_ = 0;
  int value_ = 0;
  Margins margins_;
  bool dragging_ = false;
  bool vertical_ = false;
  bool enabled_ = true;
  bool focused_ = false;
  QImage background_;
  QImage fill_;
  QImage thumbNormal_;
  QImage thumbFocused_;
  QImage thumbDisabled_;
  int thumbWidth_ = 0;
  int thumbHeight_ = 0;
  int width_ = 0;
  int height_ = 0;
  QRgb clearColour_ = kDefaultClearColour;
  QImage surface_;  // off-screen drawing area, width_ x height_
};

}  // namespace v7
