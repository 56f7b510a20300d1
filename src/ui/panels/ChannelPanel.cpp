#include "ui/panels/ChannelPanel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <span>

#include "i18n/LanguageTable.h"
#include "i18n/LanguageTables.h"
#include "ui/dialogs/DialogStyle.h"
#include "ui/panels/BandEditor.h"
#include "ui/panels/BandEditorSync.h"
#include "ui/panels/BandTable.h"
#include "ui/panels/ChannelPanelLayout.h"
#include "ui/panels/EchoPreviewArea.h"
#include "ui/panels/FocusMarker.h"
#include "ui/panels/MicSubGroup.h"
#include "ui/panels/PageButtons.h"
#include "ui/panels/PanelTexts.h"
#include "ui/panels/SliderAccessibility.h"
#include "ui/panels/SliderRows.h"
#include "ui/widgets/EqGraph.h"
#include "ui/widgets/EqPreview.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/ImageSlider.h"
#include "ui/widgets/LevelMeter.h"

namespace v7 {

namespace {

constexpr std::array<int, 2> kMeterIds = {1168, 1169};
constexpr int kGraphId = 1040;
constexpr int kGraphBands = 10;
// The strip the accent line lies in: from the meters' bottom to two pixels below.
constexpr int kAccentStripHeight = 2;

bool IsActivationKey(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}  // namespace

ChannelPanel::ChannelPanel(ParameterImage& image, ReportSink& sink, Language language, int page,
                           QWidget* parent)
    : QWidget(parent),
      image_(image),
      accessors_(image, sink),
      language_(language),
      page_(std::clamp(page, 0, kPageCount - 1)) {
  InstallSliderAccessibility();
  setProperty("dialogId", kDialogId);
  ApplyDialogBackground(this);
  resize(panel::kTemplateRect.size());
  // Created in the order Tab visits them.
  buttons_ = new PageButtons(this);
  CreateMeters();
  rows_ = std::make_unique<SliderRows>(this);
  echoPreview_ = std::make_unique<EchoPreviewArea>(this);
  micSub_ = std::make_unique<MicSubGroup>(this);
  CreateLowerPart();
  focusMarker_ = new FocusMarker(this, [](const QWidget* focused) {
    return qobject_cast<const ImageButton*>(focused) != nullptr ||
           qobject_cast<const EqPreview*>(focused) != nullptr;
  });
  connect(buttons_, &PageButtons::PageChosen, this, &ChannelPanel::ChoosePage);
  connect(echoPreview_->Preview(), &EqPreview::Clicked, this, [this] { ChoosePage(kPageEcho); });
  for (ImageSlider* slider : findChildren<ImageSlider*>())
    connect(slider, &ImageSlider::ValueChanged, this, &ChannelPanel::OnSliderChanged);
  qApp->installEventFilter(this);

  LanguageTable table;
  if (LoadLanguageTable(language_, &table)) ApplyDialogTexts(table, this, kDialogId);
  graph_->SetLanguage(language_);
  ApplyAccessibleTexts();
  FullRefresh();
}

ChannelPanel::~ChannelPanel() = default;

void ChannelPanel::CreateMeters() {
  for (size_t i = 0; i < meters_.size(); ++i) {
    auto* meter = new LevelMeter(this, kMeterIds[i]);
    meter->setGeometry(i == 0 ? panel::kMicMeterRect : panel::kMusicMeterRect);
    meter->SetBandCount(1);
    meter->SetSegmentCount(kMeterSegments);
    meter->ResetBands();
    meter->SetBackgroundColour(panel::PanelBackground());
    meter->StartFallOff(kMeterFallOffMs[i]);
    meters_[i] = meter;
  }
}

// The band table fills the band area; the single-band editor takes its place while a band is
// selected.
void ChannelPanel::CreateLowerPart() {
  bandArea_ = new QWidget(this);
  bandArea_->setGeometry(panel::kBandAreaRect);
  table_ = new BandTable(bandArea_);
  auto* layout = new QVBoxLayout(bandArea_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(table_);
  editor_ = new BandEditor(bandArea_);
  graph_ = new EqGraph(this);
  SetControlId(graph_, kGraphId);
  graph_->setGeometry(panel::kGraphRect);
  graph_->SetBandCount(kGraphBands);
  graph_->ResetView();
  bands_ = new BandEditorSync(*graph_, *table_, *editor_, image_, accessors_);
}

void ChannelPanel::ApplyAccessibleTexts() {
  buttons_->ApplyLanguage(language_);
  echoPreview_->ApplyLanguage(language_);
  micSub_->ApplyLanguage(language_);
  for (size_t i = 0; i < meters_.size(); ++i) {
    meters_[i]->setAccessibleName(panel::kMeterNames[i].In(language_));
    meters_[i]->setToolTip(panel::kMeterNames[i].In(language_));
  }
  graph_->setAccessibleName(panel::kGraphName.In(language_));
  editor_->ApplyLanguage(language_);
}

QColor ChannelPanel::AccentColour() const {
  return QColor::fromRgba(panel::kAccentColours[static_cast<size_t>(page_)]);
}

// --- pages ---

void ChannelPanel::SetPage(int page) {
  page_ = std::clamp(page, 0, kPageCount - 1);
  FullRefresh();
}

void ChannelPanel::ChoosePage(int page) {
  if (page == page_) return;
  SetPage(page);
}

void ChannelPanel::ApplyLanguage(const LanguageTable& table, Language language) {
  language_ = language;
  ApplyDialogTexts(table, this, kDialogId);
  graph_->SetLanguage(language_);
  ApplyAccessibleTexts();
  FullRefresh();
}

void ChannelPanel::FullRefresh() {
  bands_->SetPage(page_, language_);
  bands_->RebuildBandTable();
  ReloadFromImage();
}

void ChannelPanel::ReloadFromImage() {
  ArrangeControls();
  LoadSliderValues();
  bands_->ClearSelection();
  bands_->UpdateEditorVisibility();
  bands_->LoadBands();
  bands_->ApplyTableColours(AccentColour());
  echoPreview_->Load(image_, page_);
  rows_->UpdateCaptions(page_, language_);
  micSub_->Load(image_, language_);
}

void ChannelPanel::ArrangeControls() {
  update(QRect(0, panel::kAccentLineY - 1, width(), kAccentStripHeight));
  buttons_->Arrange(page_, language_);
  graph_->SetIdentity(page_);
  const bool metersShown = page_ == kPageMic || page_ == kPageMusic;
  for (LevelMeter* meter : meters_) meter->setVisible(metersShown);
  rows_->Arrange(page_);
  echoPreview_->Arrange(page_);
  micSub_->Arrange(page_);
}

void ChannelPanel::LoadSliderValues() {
  rows_->Load(accessors_, page_);
}

// --- parameters ---

void ChannelPanel::OnSliderChanged(int sliderId) {
  if (!rows_->Move(accessors_, page_, sliderId)) micSub_->Move(accessors_, sliderId, language_);
}

void ChannelPanel::UpdateLevels() {
  for (size_t i = 0; i < meters_.size(); ++i) {
    const int level = image_.levelMeters[i].load(std::memory_order_relaxed);
    meters_[i]->SetLevel(std::span<const int>(&level, 1), 0);
  }
}

// --- status bar ---

void ChannelPanel::ToggleBypass() {
  bands_->ToggleBypass();
}

int ChannelPanel::BypassState() {
  return bands_->BypassState();
}

void ChannelPanel::ResetCurrentEq() {
  bands_->ResetCurrentEq();
}

void ChannelPanel::LoadBands() {
  bands_->LoadBands();
}

// --- painting and layout ---

void ChannelPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(AccentColour());
  painter.drawLine(0, panel::kAccentLineY, width() - 1, panel::kAccentLineY);
}

// The graph reaches the bottom-right corner, the band area follows its height, and the back
// button keeps its distance from the right edge.
void ChannelPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const QSize size = event->size();
  const QPoint graphTopLeft = panel::kGraphRect.topLeft();
  graph_->setGeometry(QRect(
      graphTopLeft, QSize(size.width() - graphTopLeft.x(), size.height() - graphTopLeft.y())));
  const QRect band = panel::kBandAreaRect;
  bandArea_->setGeometry(band.x(), band.y(), band.width(), size.height() - graphTopLeft.y());
  const QRect back = panel::kBackButtonRect;
  buttons_->Back()->setGeometry(back.translated(size.width() - panel::kTemplateRect.width(), 0));
}

// --- keyboard and wheel ---

// Enter and Escape never close or leave the panel.
void ChannelPanel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
      event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

// A wheel turn anywhere over the panel goes to the focused slider or graph; Qt would give it to
// the control under the pointer. The echo preview opens its page from the keyboard too.
bool ChannelPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) return RouteWheel(watched, static_cast<QWheelEvent*>(event));
  if (event->type() == QEvent::KeyPress && watched == echoPreview_->Preview() &&
      IsActivationKey(static_cast<QKeyEvent*>(event)->key())) {
    ChoosePage(kPageEcho);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

QWidget* ChannelPanel::WheelTarget() const {
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr || !isAncestorOf(focused)) return nullptr;
  return qobject_cast<ImageSlider*>(focused) != nullptr || focused == graph_ ? focused : nullptr;
}

bool ChannelPanel::RouteWheel(QObject* receiver, QWheelEvent* event) {
  auto* widget = qobject_cast<QWidget*>(receiver);
  if (widget == nullptr || (widget != this && !isAncestorOf(widget))) return false;
  QWidget* target = WheelTarget();
  if (target == nullptr || target == widget) return false;
  QWheelEvent routed(target->mapFromGlobal(event->globalPosition()), event->globalPosition(),
                     event->pixelDelta(), event->angleDelta(), event->buttons(), event->modifiers(),
                     event->phase(), event->inverted(), event->source());
  QCoreApplication::sendEvent(target, &routed);
  return true;
}

}  // namespace v7
