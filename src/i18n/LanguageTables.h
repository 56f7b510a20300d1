#pragma once

#include "i18n/Language.h"

class QWidget;

namespace v7 {

class LanguageTable;

// Makes `table` hold the built-in table of `language` (332 English, 331 Chinese). False when
// the table is missing or not valid GBK; `table` is then empty.
bool LoadLanguageTable(Language language, LanguageTable* table);

// Writes the table's texts into an open dialog: its title ("IDD<id>_title") and the text of
// each control ("IDD<id>_<controlId>") whose numeric id is its `controlId` property. Missing
// keys and empty values leave a text as it was. Controls are looked up among the dialog's
// descendants, but not inside a nested window or a child that is itself a table dialog (it
// carries a `dialogId` property).
void ApplyDialogTexts(const LanguageTable& table, QWidget* window, int dialogId);

}  // namespace v7
