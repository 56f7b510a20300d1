#include "app/MessageBoxPrompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace v7 {

namespace {

QMessageBox::Icon BoxIcon(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::Question:
      return QMessageBox::Question;
    case PromptIcon::Warning:
      return QMessageBox::Warning;
    case PromptIcon::Error:
      return QMessageBox::Critical;
    case PromptIcon::Information:
      break;
  }
  return QMessageBox::Information;
}

QMessageBox::StandardButton StandardButtonOf(PromptAnswer answer) {
  switch (answer) {
    case PromptAnswer::No:
      return QMessageBox::No;
    case PromptAnswer::Cancel:
      return QMessageBox::Cancel;
    case PromptAnswer::Yes:
      break;
  }
  return QMessageBox::Yes;
}

QStringList PatternsInBothCases(const QString& patterns) {
  QStringList out;
  for (const QString& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
    const QString trimmed = pattern.trimmed();
    for (const QString& variant : {trimmed, trimmed.toLower(), trimmed.toUpper()})
      if (!out.contains(variant)) out.append(variant);
  }
  return out;
}

QString DefaultSuffix(QString suffix) {
  suffix.remove(QRegularExpression(QStringLiteral("^\\*?\\.")));
  return suffix;
}

}  // namespace

QString MessageBoxPrompts::QtFilter(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    description.remove(QRegularExpression(QStringLiteral("\\s*\\([^)]*\\)\\s*$")));
    entries.append(
        QStringLiteral("%1 (%2)").arg(description, PatternsInBothCases(parts[i + 1]).join(u' ')));
  }
  return entries.join(QStringLiteral(";;"));
}

void MessageBoxPrompts::Tell(QWidget* owner, const QString& caption, const QString& text,
                             PromptIcon icon) {
  QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Ok, owner);
  box.exec();
}

PromptAnswer MessageBoxPrompts::Ask(QWidget* owner, const QString& caption, const QString& text,
                                    PromptChoices choices, PromptAnswer preset) {
  const bool withCancel = choices == PromptChoices::YesNoCancel;
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) buttons |= QMessageBox::Cancel;
  QMessageBox box(QMessageBox::Question, caption, text, buttons, owner);
  box.setDefaultButton(StandardButtonOf(preset));
  box.setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::No);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return PromptAnswer::Yes;
    case QMessageBox::No:
      return PromptAnswer::No;
    default:
      break;
  }
  return withCancel ? PromptAnswer::Cancel : PromptAnswer::No;
}

QString MessageBoxPrompts::AskOpenFileName(QWidget* owner, const QString& filter) {
  QFileDialog dialog(owner, QString(), QString(), QtFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString MessageBoxPrompts::AskSaveFileName(QWidget* owner, const QString& filter,
                                           const QString& defaultSuffix,
                                           const QString& proposedName) {
  QFileDialog dialog(owner, QString(), QString(), QtFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(DefaultSuffix(defaultSuffix));
  dialog.selectFile(proposedName);
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

}  // namespace v7
