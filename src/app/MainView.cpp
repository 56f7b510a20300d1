#include "app/MainView.h"

#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>

#include "app/BannerTrayNotice.h"
#include "app/PanelPlaceholder.h"
#include "app/SystemTrayNotice.h"
#include "i18n/LanguageTables.h"
#include "params/ParameterImage.h"
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

void MainView::ShowPanelPage(int page, Language language) {
  currentPage_ = std::clamp(page, 0, kPageCount - 1);
  if (!panel_) {
    panel_ = new PanelPlaceholder(this);
    panel_->setGeometry(panelRect_);
    panel_->show();
    panel_->lower();
  }
  panel_->SetPage(currentPage_, language);
}

void MainView::RefreshPanel(Language language) {
  if (panel_) panel_->SetPage(currentPage_, language);
}

void MainView::ApplyPanelLanguage(const LanguageTable& table, Language language) {
  if (!panel_) return;
  ApplyDialogTexts(table, panel_, PanelPlaceholder::kDialogId);
  panel_->SetPage(currentPage_, language);
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
