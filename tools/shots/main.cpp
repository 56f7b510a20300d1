// Writes every window and widget picture of the program into a folder, in both languages,
// for a look by eye:
//   v7-shots DIR
// The main window runs against the simulated machine; nothing touches the user's settings.
#include <QApplication>
#include <cstdio>

#include "DialogShots.h"
#include "EqGraphShots.h"
#include "KeyboardShots.h"
#include "PanelShots.h"
#include "ShotFolder.h"
#include "WidgetShots.h"
#include "WindowShots.h"

int main(int argc, char** argv) {
  // Off screen by default, so the pictures do not depend on the desktop they are made on.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  v7::shots::ShotFolder folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.Create()) return 1;
  v7::shots::WriteWidgetSheets(folder);
  v7::shots::WriteEqGraphShots(folder);
  v7::shots::WritePanelShots(folder);
  v7::shots::WriteWindowShots(folder);
  v7::shots::WriteDialogShots(folder);
  v7::shots::WriteKeyboardShots(folder);
  return folder.AllSaved() ? 0 : 1;
}
