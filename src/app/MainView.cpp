#include "app/MainView.h"

#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>

#include "app/BannerTrayNotice.h"
#include "app/SystemTrayNotice.h"
#include "params/ParameterImage.h"
#include "ui/panels/ChannelPanel.h"
#include "ui/ribbon/MainFrameRibbon.h"

namespace v7 {

MainView::MainView(TrayNotice* injectedTray, QWidget* parent) : QWidget(parent) {
  noticeTimer_.setSingleShot(true);
  connect(&noticeTimer_, &QTimer::timeout, this, &MainView::RemoveTrayNotice);
  CreateTrayNotice(injectedTray);
}

MainView::~MainView() {
  RemoveTrayNotice();
}

void MainView::CreateTrayNotice(TrayNotice* injectedTray) {
  tray_ = injectedTray;
  if (!tray_) {
    if (SystemTrayNotice::Available()) {
      ownTray_ = std::make_unique<SystemTrayNotice>();
      tray_ = ownTray_.get();
    } else {
      tray_ = new BannerTrayNotice(this);
    }
  }
  tray_->SetClickHandler([this] { RemoveTrayNotice(); });
}

// --- channel panel ---

QWidget* MainView::ChannelPanel() const {
  return panel_;
}

int MainView::CurrentPage() const {
  return panel_ ? panel_->Page() : currentPage_;
}

void MainView::CreateChannelPanel(ParameterImage& image, ReportSink& sink, Language language) {
  if (panel_) return;
  panel_ = new v7::ChannelPanel(image, sink, language, currentPage_, this);
  panel_->setGeometry(panelRect_);
  panel_->show();
  panel_->lower();
}

void MainView::ShowPanelPage(int page, Language) {
  currentPage_ = std::clamp(page, 0, kPageCount - 1);
  if (panel_) panel_->SetPage(currentPage_);
}

void MainView::RefreshPanel(Language) {
  if (panel_) panel_->ReloadFromImage();
}

void MainView::ApplyPanelLanguage(const LanguageTable& table, Language language) {
  if (panel_) panel_->ApplyLanguage(table, language);
}

void MainView::UpdatePanelLevels() {
  if (panel_) panel_->UpdateLevels();
}

void MainView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  panelRect_ = QRect(0, 0, std::max(event->size().width(), kMinPanelWidth),
                     std::max(event->size().height(), kMinPanelHeight));
  if (panel_) panel_->setGeometry(panelRect_);
}

void MainView::wheelEvent(QWheelEvent* event) {
  if (wheelTarget_ && wheelTarget_->HandleViewWheel(event)) {
    event->accept();
    return;
  }
  QWidget::wheelEvent(event);
}

// --- tray notice ---

void MainView::ShowTrayNotice(const QString& title, const QString& text, int milliseconds) {
  tray_->Show(title, text, milliseconds);
  noticeTimer_.start(milliseconds);
}

void MainView::RemoveTrayNotice() {
  noticeTimer_.stop();
  if (tray_ && tray_->IsShown()) tray_->Remove();
}

}  // namespace v7
