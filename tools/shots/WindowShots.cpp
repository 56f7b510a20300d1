#include "WindowShots.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <array>
#include <functional>

#include "SimulatedProgram.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "controllers/ModeController.h"
#include "controllers/RecentFileList.h"
#include "ui/dialogs/InfoBox.h"
#include "ui/ribbon/MainRibbon.h"
#include "ui/ribbon/RibbonAppMenu.h"
#include "ui/ribbon/RibbonBar.h"

namespace v7::shots {
namespace {

// Time for a window that has just opened or changed to paint.
constexpr int kPaintMs = 50;
// The sync dialog is caught part way through the read (the sequence starts with a pause of
// one and a half seconds).
constexpr int kSyncProgressMs = 600;

struct Tab {
  int index;
  const char* name;
};
const std::array<Tab, 2> kTabs = {{{0, "input"}, {1, "sound"}}};

const std::array<QString, 2> kRecentFiles = {QStringLiteral("/home/user/modes/m2 party.V7M"),
                                             QStringLiteral("/home/user/modes/默认1.V7M")};

QString ShotName(const char* what, Language language, const QString& rest = {}) {
  QString name = QStringLiteral("%1-%2").arg(QLatin1String(what), LanguageTag(language));
  if (!rest.isEmpty()) name += QLatin1Char('-') + rest;
  return name;
}

// Shows the dialog `open` runs modally and hands it to `whileOpen` once it is up. `open`
// returns when the dialog has closed, which `whileOpen` or the program itself sees to.
void WhileModal(int delayMs, const std::function<void(QWidget*)>& whileOpen,
                const std::function<void()>& open) {
  QTimer::singleShot(delayMs, [&whileOpen] {
    if (QWidget* dialog = QApplication::activeModalWidget()) whileOpen(dialog);
  });
  open();
}

void SaveMainWindow(SimulatedProgram& program, MainRibbon& ribbon, ShotFolder& folder,
                    Language language, bool connected) {
  MainWindow& window = program.Window();
  // The pointer rests over the empty view, so no ribbon element shows its hover shade.
  QTest::mouseMove(&window, window.rect().center());
  for (const Tab& tab : kTabs) {
    ribbon.Bar()->SetActiveTab(tab.index);
    ribbon.UpdateCommandUI();
    QTest::qWait(kPaintMs);
    const QString state = connected ? QStringLiteral("connected") : QStringLiteral("disconnected");
    folder.Save(window.grab().toImage(),
                ShotName("main", language, QLatin1String(tab.name) + QLatin1Char('-') + state));
  }
}

void SaveAppMenu(SimulatedProgram& program, MainRibbon& ribbon, ShotFolder& folder,
                 Language language) {
  for (const QString& path : kRecentFiles) program.App().RecentFiles().Add(path);
  ribbon.Bar()->OpenAppMenu();
  QTest::qWait(kPaintMs);
  folder.Save(ribbon.Bar()->AppMenu()->grab().toImage(), ShotName("menu", language));
  ribbon.Bar()->AppMenu()->hide();
}

// The About box as it opens, and with the machine's model and versions revealed (F11).
void SaveAboutBox(SimulatedProgram& program, ShotFolder& folder, Language language) {
  WhileModal(
      0,
      [&](QWidget* dialog) {
        folder.Save(dialog->grab().toImage(), ShotName("about", language));
        QTest::keyClick(dialog, Qt::Key_F11);
        folder.Save(dialog->grab().toImage(),
                    ShotName("about", language, QStringLiteral("machine")));
        dialog->close();
      },
      [&] { program.App().ShowAboutBox(); });
}

void SaveSyncDialog(SimulatedProgram& program, ShotFolder& folder, Language language) {
  WhileModal(
      kSyncProgressMs,
      [&](QWidget* dialog) { folder.Save(dialog->grab().toImage(), ShotName("sync", language)); },
      [&] { program.App().StartReadSync(); });
}

// Opening a mode file without the machine is refused with the information box.
void SaveInfoBox(SimulatedProgram& program, MainRibbon& ribbon, ShotFolder& folder,
                 Language language) {
  ribbon.Modes().OpenModeFile();
  InfoBox* box = program.App().ShownInfoBox();
  if (!box) {
    folder.Save({}, ShotName("info", language));
    return;
  }
  QTest::qWait(kPaintMs);
  folder.Save(box->grab().toImage(), ShotName("info", language));
  box->close();
}

void SaveProgram(ShotFolder& folder, Language language, bool connected) {
  SimulatedProgram program(language, connected);
  MainRibbon* ribbon = program.Start() ? program.Ribbon() : nullptr;
  if (!ribbon) {
    folder.Save({}, ShotName("main", language));
    return;
  }
  SaveMainWindow(program, *ribbon, folder, language, connected);
  if (connected) {
    SaveAppMenu(program, *ribbon, folder, language);
    SaveAboutBox(program, folder, language);
    SaveSyncDialog(program, folder, language);
  } else {
    SaveInfoBox(program, *ribbon, folder, language);
  }
}

}  // namespace

void WriteWindowShots(ShotFolder& folder) {
  for (Language language : {Language::Chinese, Language::English}) {
    for (bool connected : {true, false}) SaveProgram(folder, language, connected);
  }
}

}  // namespace v7::shots
