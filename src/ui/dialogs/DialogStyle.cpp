#include "ui/dialogs/DialogStyle.h"

#include <QPalette>
#include <QStringList>
#include <QWidget>

#include "ui/dialogs/DialogUnits.h"

namespace v7 {

void ApplyDialogBackground(QWidget* dialog) {
  QPalette palette = dialog->palette();
  palette.setColor(QPalette::Window, DialogBackground());
  dialog->setPalette(palette);
  dialog->setAutoFillBackground(true);
}

QFont SongTiFont(int pixelSize, int weight) {
  QFont font;
  font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                    QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                    QStringLiteral("Droid Sans Fallback")});
  font.setPixelSize(pixelSize);
  font.setWeight(static_cast<QFont::Weight>(weight));
  return font;
}

void SetControlId(QWidget* control, int id) {
  control->setProperty("controlId", id);
}

}  // namespace v7
