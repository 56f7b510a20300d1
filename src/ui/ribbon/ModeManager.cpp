#include "ui/ribbon/ModeManager.h"

#include <QFileInfo>
#include <chrono>

#include "app/Application.h"
#include "controllers/Prompts.h"
#include "controllers/RecentFileList.h"
#include "files/FileNames.h"
#include "link/Clock.h"
#include "link/DeviceLink.h"
#include "params/ParameterImage.h"
#include "sync/ModeCommands.h"
#include "ui/ribbon/RibbonTexts.h"

namespace v7 {

namespace {

namespace Text = RibbonText;

// The dialogs' filter in the Prompts form: description and pattern separated by '|'.
QString ModeFileFilter() {
  return QStringLiteral("%1|*.%2|")
      .arg(QString::fromUtf8(Text::kModeFileFilter), QString::fromUtf8(Text::kModeFileSuffix));
}

}  // namespace

ModeManager::ModeManager(Application& app, Clock& clock, QWidget* owner)
    : app_(app), clock_(clock), owner_(owner) {}

int ModeManager::language() const {
  return app_.uiLanguage;
}

void ModeManager::LoadMachineMode(int mode) {
  if (!app_.IsLinkOpen()) return;
  mode = ClampMode(mode);
  if (app_.Image().dirty) {
    const QString question =
        Text::kLoadDirtyQuestion.In(language()) + Text::kLoadDirtyModes[mode].In(language());
    if (!app_.Prompt().AskYesNo(owner_, Text::kInfoCaption.In(language()), question)) return;
  }
  SendLoadMode(app_.Link(), app_.Image(), mode);
  app_.StartReadSync();
}

void ModeManager::SaveMachineMode(int mode) {
  if (!app_.IsLinkOpen()) return;
  mode = ClampMode(mode);
  if (!app_.Prompt().AskYesNo(owner_, QString(), Text::kSaveQuestion.In(language()))) return;
  app_.StoreMode(mode);
  // The machine needs a moment to write its memory; the window waits with it.
  clock_.SleepFor(std::chrono::milliseconds(kStoreSettleMs));
  app_.ShowInfo(Text::kSavingMode.In(language()).arg(Text::kSavingModeNames[mode].In(language())),
                Text::kSavingModeMs);
}

void ModeManager::RecallFactoryMode(int mode) {
  if (!app_.IsLinkOpen()) return;
  SendFactoryRecall(app_.Link(), app_.Image(), ClampMode(mode));
  app_.StartReadSync();
}

bool ModeManager::refuseWhileDisconnected() {
  if (app_.IsLinkOpen()) return false;
  app_.ShowInfo(Text::kConnectFirst.In(language()), Text::kConnectFirstMs);
  return true;
}

void ModeManager::OpenModeFile() {
  if (refuseWhileDisconnected()) return;
  const QString path = app_.Prompt().AskOpenFileName(owner_, ModeFileFilter());
  if (path.isEmpty()) return;
  const int designated = DesignatedModeOfFileName(QFileInfo(path).fileName().toStdString());
  if (!app_.ReadModeFileReporting(path)) return;
  app_.pendingModeIndex = designated;
  app_.StartWriteSync();
  app_.RecentFiles().Add(path);
}

void ModeManager::SaveModeFile() {
  if (refuseWhileDisconnected()) return;
  const QString path = app_.Prompt().AskSaveFileName(
      owner_, ModeFileFilter(), QString::fromUtf8(Text::kModeFileSuffix),
      QString::fromUtf8(Text::kModeFileProposedName));
  if (path.isEmpty()) return;
  app_.StoreMode(app_.Image().currentMode);
  // Only a file that was really written is offered again.
  if (app_.WriteModeFileReporting(path)) app_.RecentFiles().Add(path);
}

void ModeManager::OpenRecentModeFile(const QString& path) {
  RecentFileList& recent = app_.RecentFiles();
  if (!QFileInfo::exists(path)) {
    app_.Prompt().Tell(nullptr, QString::fromUtf8(Text::kFileMissingCaption),
                       QString::fromUtf8(Text::kFileMissing), PromptIcon::Information);
    recent.Remove(path);
    return;
  }
  const int dot = path.lastIndexOf(u'.');
  const QString extension = dot < 0 ? path : path.mid(dot + 1);
  if (extension.compare(QString::fromUtf8(Text::kModeFileSuffix), Qt::CaseInsensitive) != 0) {
    recent.Remove(path);
    return;
  }
  if (app_.IsLinkOpen() && app_.ReadModeFileReporting(path)) app_.StartWriteSync();
}

}  // namespace v7
