#include "DialogShots.h"

#include <QPushButton>
#include <QTest>

#include "SimulatedProgram.h"
#include "app/Application.h"
#include "ui/dialogs/AutoSubDialog.h"
#include "ui/dialogs/KeyLearningDialog.h"
#include "ui/dialogs/MachineSettingsDialog.h"
#include "ui/dialogs/RemoteDialog.h"

namespace v7::shots {
namespace {

// Time for a window that has just opened or changed to paint.
constexpr int kPaintMs = 50;
constexpr int kMuteKey = 9;
constexpr int kShownCode = 0x5A;

QString ShotName(const char* what, Language language, const char* rest = nullptr) {
  QString name = QStringLiteral("%1-%2").arg(QLatin1String(what), LanguageTag(language));
  if (rest) name += QLatin1Char('-') + QLatin1String(rest);
  return name;
}

void SaveShown(ShotFolder& folder, QWidget* window, const QString& name) {
  if (!window) {
    folder.Save({}, name);
    return;
  }
  QTest::qWait(kPaintMs);
  folder.Save(window->grab().toImage(), name);
}

void SaveLearning(ShotFolder& folder, RemoteDialog& remote, Language language) {
  QPushButton* key = remote.KeyArea(kMuteKey);
  if (key) key->click();
  KeyLearningDialog* learning = remote.LearningDialog();
  SaveShown(folder, learning, ShotName("learning", language));
  if (!learning) return;
  remote.DeliverLearnedKey(kShownCode);
  SaveShown(folder, learning, ShotName("learning", language, "code"));
  learning->close();
}

void SaveDialogs(ShotFolder& folder, Language language) {
  SimulatedProgram program(language, true);
  if (!program.Start()) {
    folder.Save({}, ShotName("settings", language));
    return;
  }
  Application& app = program.App();
  app.OpenMachineSettings();
  SaveShown(folder, app.MachineSettings(), ShotName("settings", language));
  if (app.MachineSettings()) app.MachineSettings()->close();
  app.OpenMicSubDialog();
  SaveShown(folder, app.MicSubDialog(), ShotName("micsub", language));
  if (app.MicSubDialog()) app.MicSubDialog()->close();
  app.OpenRemoteLearning();
  RemoteDialog* remote = app.RemoteLearning();
  SaveShown(folder, remote, ShotName("remote", language));
  if (!remote) return;
  SaveLearning(folder, *remote, language);
  remote->close();
}

}  // namespace

void WriteDialogShots(ShotFolder& folder) {
  for (Language language : {Language::Chinese, Language::English}) SaveDialogs(folder, language);
}

}  // namespace v7::shots
