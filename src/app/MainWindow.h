#pragma once

#include <QByteArray>
#include <QMainWindow>

namespace v7 {

class MainFrameRibbon;
class MainView;
class TrayNotice;

// The single main window: ribbon across the top, the view in the middle, status bar below.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kMinWidth = 880;
  static constexpr int kMinHeight = 620;
  static constexpr const char* kWindowTitle = "DSP-V7-v1.4";

  // Creates the view; `injectedTray` is passed on to it.
  explicit MainWindow(TrayNotice* injectedTray);
  ~MainWindow() override;

  // Places the ribbon (a child of this window) above the view and its status bar below.
  // False when there is no status bar: the program then ends.
  bool SetRibbon(MainFrameRibbon* ribbon);
  void RestorePlacement(const QByteArray& placement);

  MainView* View() const { return view_; }
  MainFrameRibbon* Ribbon() const { return ribbon_; }

 signals:
  // The first close request, before the window goes.
  void Closing();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  MainView* view_ = nullptr;
  MainFrameRibbon* ribbon_ = nullptr;
  bool closing_ = false;
};

}  // namespace v7
