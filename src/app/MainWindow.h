#pragma once

#include <QMainWindow>

namespace v7 {

class Application;
class MainView;
class MainFrameRibbon;

// The single main window: ribbon across the top, the view in the middle, status bar below.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kMinWidth = 880;
  static constexpr int kMinHeight = 620;
  static constexpr int kApplicationLook = 215;  // Office 2007, blue: the only look there is
  static constexpr const char* kWindowTitle = "DSP-V7-v1.4";
  static constexpr const char* kInstanceProperty = "Tonvia-V7v1.1";

  explicit MainWindow(Application& app);
  ~MainWindow() override;

  // Creates the view first, then the ribbon and the status bar. False when the status bar
  // could not be created: the program then ends.
  bool Create();

  MainView* View() const { return view_; }
  MainFrameRibbon* Ribbon() const { return ribbon_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The one place that chooses the ribbon and status bar implementation.
  MainFrameRibbon* CreateRibbon();
  void ApplyLook();
  void RestorePlacement();

  Application& app_;
  MainView* view_ = nullptr;
  MainFrameRibbon* ribbon_ = nullptr;
  bool closing_ = false;
};

}  // namespace v7
