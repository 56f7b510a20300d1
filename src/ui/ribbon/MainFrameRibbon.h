#pragma once

class QStatusBar;
class QWheelEvent;
class QWidget;

namespace v7 {

// The command bar across the top of the main window and the status bar at its bottom, as
// the shell sees them. The application creates the implementation as a Qt child of the main
// window (MainWindow::SetRibbon places it), so Qt deletes it with the window.
class MainFrameRibbon {
 public:
  virtual ~MainFrameRibbon() = default;

  // Placed above the view (QMainWindow::setMenuWidget).
  virtual QWidget* RibbonWidget() = 0;
  // Placed below the view (QMainWindow::setStatusBar, which takes ownership). Returning
  // null fails the window's creation and the program ends without a message.
  virtual QStatusBar* TakeStatusBar() = 0;
  // Retitles tabs, groups and elements after the interface language changed.
  virtual void ApplyRibbonLanguage() = 0;
  // Shows the image's mic and music volumes on the sliders and read-outs without sending.
  virtual void RefreshRibbonVolumes() = 0;
  // A wheel turn that reached the view and no control of the channel panel used: true when
  // the ribbon took it (over the volume groups).
  virtual bool HandleViewWheel(QWheelEvent* event) = 0;
};

}  // namespace v7
