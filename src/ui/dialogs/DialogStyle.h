#pragma once

#include <QFont>

class QWidget;

namespace v7 {

// Paints `dialog` with the shared dialog background; labels and buttons draw over it.
void ApplyDialogBackground(QWidget* dialog);

// "宋体" at the given pixel height, with the usual CJK fallbacks where it is not installed.
QFont SongTiFont(int pixelSize, int weight = QFont::Normal);

// Gives `control` its numeric identifier, the key of the language tables.
void SetControlId(QWidget* control, int id);

}  // namespace v7
