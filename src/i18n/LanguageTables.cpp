#include "i18n/LanguageTables.h"

#include <QFile>
#include <QVariant>
#include <QWidget>

#include "i18n/LanguageTable.h"

namespace v7 {

namespace {

constexpr char kControlIdProperty[] = "controlId";
constexpr char kDialogIdProperty[] = "dialogId";

QString TablePath(Language language) {
  const int id = language == Language::English ? LanguageTable::kEnglishTableId
                                               : LanguageTable::kChineseTableId;
  return QStringLiteral(":/lang/%1.ini").arg(id);
}

// Controls show their text through "text" (labels, buttons) or "title" (group boxes).
void SetControlText(QWidget* control, const QString& text) {
  if (control->metaObject()->indexOfProperty("text") >= 0) {
    control->setProperty("text", text);
  } else if (control->metaObject()->indexOfProperty("title") >= 0) {
    control->setProperty("title", text);
  }
}

void ApplyToChildren(const LanguageTable& table, QWidget* parent, int dialogId) {
  for (QObject* object : parent->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (!child || child->isWindow() || child->property(kDialogIdProperty).isValid()) continue;
    bool hasId = false;
    const int controlId = child->property(kControlIdProperty).toInt(&hasId);
    if (hasId) {
      const QString text = table.ControlText(dialogId, controlId);
      if (!text.isEmpty()) SetControlText(child, text);
    }
    ApplyToChildren(table, child, dialogId);
  }
}

}  // namespace

bool LoadLanguageTable(Language language, LanguageTable* table) {
  table->Clear();
  QFile file(TablePath(language));
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  if (bytes.size() != file.size()) return false;
  return table->Parse(bytes);
}

void ApplyDialogTexts(const LanguageTable& table, QWidget* window, int dialogId) {
  if (!window) return;
  const QString title = table.Title(dialogId);
  if (!title.isEmpty()) window->setWindowTitle(title);
  ApplyToChildren(table, window, dialogId);
}

}  // namespace v7
