#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QStatusBar>

#include "app/MainView.h"
#include "ui/dialogs/ProgramIcon.h"
#include "ui/ribbon/MainFrameRibbon.h"

namespace v7 {

namespace {

constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 720;

}  // namespace

MainWindow::MainWindow(TrayNotice* injectedTray) {
  setWindowTitle(QString::fromLatin1(kWindowTitle));
  setWindowIcon(ProgramIcon());
  setMinimumSize(kMinWidth, kMinHeight);
  resize(kDefaultWidth, kDefaultHeight);
  view_ = new MainView(injectedTray, this);
  setCentralWidget(view_);
}

MainWindow::~MainWindow() = default;

bool MainWindow::SetRibbon(MainFrameRibbon* ribbon) {
  ribbon_ = ribbon;
  view_->SetWheelTarget(ribbon);
  setMenuWidget(ribbon->RibbonWidget());
  QStatusBar* statusBar = ribbon->TakeStatusBar();
  if (!statusBar) return false;
  setStatusBar(statusBar);
  return true;
}

void MainWindow::RestorePlacement(const QByteArray& placement) {
  if (!placement.isEmpty()) restoreGeometry(placement);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!closing_) {
    closing_ = true;
    emit Closing();
  }
  event->accept();
}

}  // namespace v7
