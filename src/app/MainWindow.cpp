#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QStatusBar>

#include "app/Application.h"
#include "app/MainView.h"
#include "controllers/SettingsStore.h"
#include "ui/dialogs/ProgramIcon.h"
#include "ui/ribbon/MainRibbon.h"

namespace v7 {

namespace {

constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 720;

}  // namespace

MainWindow::MainWindow(Application& app) : app_(app) {
  setProperty(kInstanceProperty, 1);
  setWindowTitle(QString::fromLatin1(kWindowTitle));
  setWindowIcon(ProgramIcon());
  setMinimumSize(kMinWidth, kMinHeight);
  resize(kDefaultWidth, kDefaultHeight);
}

MainWindow::~MainWindow() = default;

bool MainWindow::Create() {
  view_ = new MainView(app_, this);
  setCentralWidget(view_);
  view_->Create();

  ApplyLook();
  ribbon_ = CreateRibbon();
  setMenuWidget(ribbon_->RibbonWidget());
  QStatusBar* statusBar = ribbon_->TakeStatusBar();
  if (!statusBar) return false;
  setStatusBar(statusBar);
  RestorePlacement();
  return true;
}

MainFrameRibbon* MainWindow::CreateRibbon() {
  return new MainRibbon(app_, this);
}

// Whatever look was stored, the window has the one look there is, and says so.
void MainWindow::ApplyLook() {
  SettingsStore& settings = app_.Settings();
  settings.ApplicationLook();
  settings.SetApplicationLook(kApplicationLook);
}

void MainWindow::RestorePlacement() {
  const QByteArray placement = app_.Settings().WindowPlacement();
  if (!placement.isEmpty()) restoreGeometry(placement);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    closing_ = true;
    app_.OnMainFrameClosing();
    app_.Settings().SetWindowPlacement(saveGeometry());
    app_.Settings().Flush();
  }
  event->accept();
}

}  // namespace v7
