// Push button drawn from PNG artwork blended over the parent's background, with an
// optional alternate picture that marks the current choice, and a brighter hover look.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <array>

#include "ui/widgets/Picture.h"

namespace v7 {

class ImageButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class Surface {
    StandardNormal,
    StandardPressed,
    StandardHover,
    AlternateNormal,
    AlternatePressed,
    AlternateHover,
  };

  explicit ImageButton(QWidget* parent = nullptr, int controlId = 0);

  // Compiled-in pictures; false when the picture cannot be loaded, which leaves the button
  // without it.
  bool SetStandardImage(Picture picture);
  bool SetAlternateImage(Picture picture);
  void SetStandardImage(const QImage& image);
  void SetAlternateImage(const QImage& image);

  // The parent marks the button as its current choice; a press does not change this.
  void ShowAlternate(bool show);
  // A copy of the parent's pixels behind the button, blended under the pictures. Without
  // it the button captures the parent's own painting the first time it is drawn.
  void SetBackground(const QImage& background);
  void SetTextColour(const QColor& colour);

  bool HasAlternate() const { return !alternate_.isNull(); }
  bool IsAlternateShown() const { return alternateShown_; }
  bool IsHovered() const { return hovered_; }
  bool IsRendered() const { return rendered_; }

  // The surface the next paint shows; a button without an alternate picture shows its
  // standard surfaces even when told to show the alternate.
  Surface ChooseSurface() const;
  // The cached state picture; null before the first paint or without a standard picture.
  const QImage& StateSurface(Surface surface) const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildStateSurfaces();
  QImage CaptureParentBackground() const;
  QImage Composed(const QImage& picture, QPoint offset) const;
  void Invalidate();
  void DrawCaption(QPainter& painter) const;

  QColor textColour_{Qt::white};
  bool rendered_ = false;
  bool hovered_ = false;
  bool alternateShown_ = false;
  QImage alternate_;
  QImage standard_;
  QImage alternateBright_;
  QImage standardBright_;
  QImage background_;
  std::array<QImage, 6> surfaces_;
  QImage frame_;  // off-screen surface of each paint
};

}  // namespace v7
