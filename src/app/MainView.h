#pragma once

#include <QRect>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "i18n/Language.h"

namespace v7 {

class ChannelPanel;
class LanguageTable;
class MainFrameRibbon;
class ParameterImage;
class ReportSink;
class TrayNotice;

// The main window's client area: it holds the channel panel at panelRect, passes wheel turns
// the panel leaves to the ribbon and shows the notices of the connection handling for their
// time.
class MainView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMinPanelWidth = 800;
  static constexpr int kMinPanelHeight = 500;

  // `injectedTray` shows the notices when given (tests); otherwise the system tray does, or a
  // banner inside the view where there is none.
  MainView(TrayNotice* injectedTray, QWidget* parent);
  ~MainView() override;

  QRect PanelRect() const { return panelRect_; }
  // Creates the channel panel on the current page: it shows and changes `image` and sends
  // through `sink`.
  void CreateChannelPanel(ParameterImage& image, ReportSink& sink, Language language);
  QWidget* ChannelPanel() const;
  // The page the panel shows (its own buttons change it too).
  int CurrentPage() const;
  // Shows `page` (clamped). The panel keeps the language it was created with or last given by
  // ApplyPanelLanguage.
  void ShowPanelPage(int page, Language language);
  // Shows the current page again from the image.
  void RefreshPanel(Language language);
  // Re-applies the panel's texts after a language switch.
  void ApplyPanelLanguage(const LanguageTable& table, Language language);
  // The level meters show the levels the image holds.
  void UpdatePanelLevels();
  void SetWheelTarget(MainFrameRibbon* ribbon) { wheelTarget_ = ribbon; }

  // The notification balloon (or the banner); a new notice replaces the old and its time.
  void ShowTrayNotice(const QString& title, const QString& text, int milliseconds);
  void RemoveTrayNotice();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void CreateTrayNotice(TrayNotice* injectedTray);

  v7::ChannelPanel* panel_ = nullptr;
  MainFrameRibbon* wheelTarget_ = nullptr;
  TrayNotice* tray_ = nullptr;
  std::unique_ptr<TrayNotice> ownTray_;
  int currentPage_ = 0;
  QRect panelRect_{0, 0, kMinPanelWidth, kMinPanelHeight};
  QTimer noticeTimer_;
};

}  // namespace v7
