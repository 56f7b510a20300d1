#include <QByteArray>

#include "FuzzCheck.h"
#include "Harnesses.h"
#include "i18n/LanguageTable.h"

namespace v7::fuzz {
namespace {

constexpr int kDialogIds[] = {0, 1, 130, 313, 410, -1};

}  // namespace

void FuzzLanguageTable(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  LanguageTable table;
  const bool parsed = table.Parse(bytes);
  Require(parsed || table.IsEmpty(), "a table that does not parse is empty");
  LanguageTable again;
  again.Parse(bytes);
  for (int id : kDialogIds) {
    Require(table.Title(id).size() <= LanguageTable::kMaxValueLength, "values are cut to 999");
    Require(table.Title(id) == again.Title(id), "parsing is repeatable");
    Require(table.ControlText(id, 1000) == again.ControlText(id, 1000), "parsing is repeatable");
  }
}

}  // namespace v7::fuzz
