// Button artwork: the page buttons of the channel panel, its back button and the plain
// push button of the dialogs.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include "PageGlyphs.h"

namespace v7::art {

struct PageButtonArt {
  PageGlyph glyph;
  QString name;  // the page's name as shown on the button
  QColor accent;
  bool chinese;
};

// 213 x 61: the page's symbol and name in its accent colour on a dark face; the alternate
// picture (the page shown) adds a glowing outline and an accent bar.
QImage DrawPageButton(const PageButtonArt& art, bool alternate);

// 64 x 61: a return arrow on the same dark face.
QImage DrawBackButton();

// 75 x 27: a blue face for white caption text drawn by the button itself.
QImage DrawPlainButton();

}  // namespace v7::art
