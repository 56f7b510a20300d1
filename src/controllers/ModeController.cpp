#include "controllers/ModeController.h"

#include <QFileInfo>
#include <chrono>

#include "controllers/ModeFileDoubtTexts.h"
#include "controllers/ModeFileFilter.h"
#include "controllers/ModeTexts.h"
#include "controllers/Prompts.h"
#include "controllers/RecentFileList.h"
#include "controllers/ShellOperations.h"
#include "files/AtomicFile.h"
#include "files/FileNames.h"
#include "files/ModeFile.h"
#include "link/Clock.h"
#include "link/DeviceLink.h"
#include "params/ParameterImage.h"
#include "sync/ModeCommands.h"

namespace v7 {

namespace {

namespace Texts = ModeText;

QString Filter() {
  return QString::fromUtf8(kModeFileFilter);
}

QString Extension() {
  return QString::fromUtf8(Texts::kModeFileExtension);
}

}  // namespace

ModeController::ModeController(ShellOperations& shell, Clock& clock, QWidget* owner,
                               QObject* parent)
    : QObject(parent), shell_(shell), clock_(clock), owner_(owner) {}

QString ModeController::Text(const TextPair& pair) const {
  return pair.In(shell_.InterfaceLanguage());
}

bool ModeController::MayDiscardChanges(const TextPair& question, int mode) {
  if (!shell_.Image().dirty) return true;
  return shell_.Prompt().AskYesNo(owner_, Text(Texts::kInfoCaption),
                                  Text(question) + Text(Texts::kLoadDirtyModes[mode]));
}

bool ModeController::MaySendFile(const QString& path) {
  std::vector<uint8_t> bytes;
  // A file that cannot be read is reported by the reader itself.
  if (!ReadFileBytes(path.toStdString(), kModeFileCheckBytes, bytes).ok) return true;
  const ModeFileDoubt doubt = CheckModeFile(bytes);
  if (doubt == ModeFileDoubt::kNone) return true;
  const QString question =
      Text(DoubtfulFileText::kQuestion).arg(Text(DoubtfulFileText::ReasonOf(doubt)));
  return shell_.Prompt().AskYesNoDefaultNo(owner_, Text(Texts::kInfoCaption), question);
}

void ModeController::LoadMachineMode(int mode) {
  if (!shell_.IsLinkOpen()) return;
  mode = ClampMode(mode);
  if (!MayDiscardChanges(Texts::kLoadDirtyQuestion, mode)) return;
  SendLoadMode(shell_.Link(), shell_.Image(), mode);
  shell_.StartReadSync();
}

void ModeController::SaveMachineMode(int mode) {
  if (!shell_.IsLinkOpen()) return;
  mode = ClampMode(mode);
  if (!shell_.Prompt().AskYesNoDefaultNo(owner_, QString(), Text(Texts::kSaveQuestion))) return;
  shell_.StoreMode(mode);
  // The machine needs a moment to write its memory; the window waits with it.
  clock_.SleepFor(std::chrono::milliseconds(kStoreSettleMs));
  shell_.ShowInfo(Text(Texts::kSavingMode).arg(Text(Texts::kSavingModeNames[mode])),
                  Texts::kSavingModeMs);
}

void ModeController::RecallFactoryMode(int mode) {
  if (!shell_.IsLinkOpen()) return;
  mode = ClampMode(mode);
  if (!MayDiscardChanges(Texts::kFactoryDirtyQuestion, mode)) return;
  SendFactoryRecall(shell_.Link(), shell_.Image(), mode);
  shell_.StartReadSync();
}

bool ModeController::RefuseWhileDisconnected() {
  if (shell_.IsLinkOpen()) return false;
  shell_.ShowInfo(Text(Texts::kConnectFirst), Texts::kConnectFirstMs);
  return true;
}

void ModeController::OpenModeFile() {
  if (RefuseWhileDisconnected()) return;
  const QString path = shell_.Prompt().AskOpenFileName(owner_, Filter());
  if (path.isEmpty()) return;
  const int designated = DesignatedModeOfFileName(QFileInfo(path).fileName().toStdString());
  if (!MaySendFile(path) || !shell_.ReadModeFileReporting(path)) return;
  shell_.SetPendingModeIndex(designated);
  shell_.StartWriteSync();
  shell_.RecentFiles().Add(path);
}

void ModeController::SaveModeFile() {
  if (RefuseWhileDisconnected()) return;
  const QString path = shell_.Prompt().AskSaveFileName(owner_, Filter(), Extension(),
                                                       QString::fromUtf8(Texts::kProposedName));
  if (path.isEmpty()) return;
  shell_.StoreMode(shell_.Image().currentMode);
  // Only a file that was really written is offered again, and confirmed.
  if (!shell_.WriteModeFileReporting(path)) return;
  shell_.RecentFiles().Add(path);
  shell_.ShowInfo(Text(Texts::kFileSaved).arg(QFileInfo(path).fileName()), Texts::kFileSavedMs);
}

void ModeController::OpenRecentModeFile(const QString& path) {
  RecentFileList& recent = shell_.RecentFiles();
  if (!QFileInfo::exists(path)) {
    shell_.Prompt().Tell(nullptr, QString::fromUtf8(Texts::kFileMissingCaption),
                         QString::fromUtf8(Texts::kFileMissing), PromptIcon::Information);
    recent.Remove(path);
    return;
  }
  const int dot = path.lastIndexOf(u'.');
  const QString extension = dot < 0 ? path : path.mid(dot + 1);
  if (extension.compare(Extension(), Qt::CaseInsensitive) != 0) {
    recent.Remove(path);
    return;
  }
  if (shell_.IsLinkOpen() && MaySendFile(path) && shell_.ReadModeFileReporting(path))
    shell_.StartWriteSync();
}

}  // namespace v7
