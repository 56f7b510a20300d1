#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace v7 {

// One language's dialog texts: INI text in GBK with section "String" and keys
// "IDD<dialog>_title" and "IDD<dialog>_<control>". Parsed in memory.
class LanguageTable {
 public:
  static constexpr int kChineseTableId = 331;
  static constexpr int kEnglishTableId = 332;
  // Values are read into a 1000-character buffer by the tables' original reader, so no
  // more than 999 characters of a value are ever used.
  static constexpr int kMaxValueLength = 999;

  // Replaces the table with the entries of `gbkText`. False when the bytes are not valid
  // GBK; the table is then empty.
  bool Parse(const QByteArray& gbkText);
  void Clear() { entries_.clear(); }
  bool IsEmpty() const { return entries_.isEmpty(); }

  // The value of `key` in section "String", keys compared without regard to case, the
  // first of several equal keys winning; empty when absent.
  QString Lookup(const QString& key) const;
  QString Title(int dialogId) const;
  QString ControlText(int dialogId, int controlId) const;

 private:
  void AddLine(const QString& line, bool* inStringSection);

  QHash<QString, QString> entries_;  // lower-cased key -> value
};

}  // namespace v7
