#include "i18n/LanguageTable.h"

#include <QStringDecoder>

namespace v7 {

namespace {

constexpr char kSection[] = "string";

bool IsSectionHeader(const QString& line) {
  return line.startsWith(u'[') && line.endsWith(u']');
}

bool IsComment(const QString& line) {
  return line.startsWith(QLatin1String("//")) || line.startsWith(u';');
}

}  // namespace

bool LanguageTable::Parse(const QByteArray& gbkText) {
  entries_.clear();
  QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
  if (!decoder.isValid()) return false;
  const QString text = decoder.decode(gbkText);
  if (decoder.hasError()) return false;

  bool inStringSection = false;
  for (const QString& rawLine : text.split(u'\n')) AddLine(rawLine, &inStringSection);
  return true;
}

void LanguageTable::AddLine(const QString& rawLine, bool* inStringSection) {
  const QString line = rawLine.endsWith(u'\r') ? rawLine.chopped(1) : rawLine;
  const QString trimmed = line.trimmed();
  if (IsSectionHeader(trimmed)) {
    *inStringSection = trimmed.mid(1, trimmed.size() - 2).trimmed().toLower() == kSection;
    return;
  }
  if (!*inStringSection || trimmed.isEmpty() || IsComment(trimmed)) return;
  const qsizetype equals = line.indexOf(u'=');
  if (equals <= 0) return;
  const QString key = line.left(equals).trimmed().toLower();
  if (key.isEmpty() || entries_.contains(key)) return;  // the first of equal keys wins
  entries_.insert(key, line.mid(equals + 1).left(kMaxValueLength));
}

QString LanguageTable::Lookup(const QString& key) const {
  return entries_.value(key.toLower());
}

QString LanguageTable::Title(int dialogId) const {
  return Lookup(QStringLiteral("IDD%1_title").arg(dialogId));
}

QString LanguageTable::ControlText(int dialogId, int controlId) const {
  return Lookup(QStringLiteral("IDD%1_%2").arg(dialogId).arg(controlId));
}

}  // namespace v7
