// The tuning panel below the ribbon: six pages (mic, music, echo, main, centre, subwoofer),
// each with its page buttons, slider rows, meters, echo preview or mic-sub group above the
// large EQ graph, with the band table or the single-band editor beside it. Every value comes from
// the parameter image and every change goes out through the accessors; the panel keeps no parameter
// of its own.
#pragma once

#include <QRect>
#include <QWidget>
#include <array>
#include <memory>

#include "controllers/EqCommandTarget.h"
#include "edit/ParameterAccessors.h"
#include "i18n/Language.h"

class QWheelEvent;

namespace v7 {

class BandEditor;
class BandEditorSync;
class BandTable;
class EchoPreviewArea;
class EqGraph;
class FocusMarker;
class LanguageTable;
class LevelMeter;

class MicSubGroup;
class PageButtons;
class SliderRows;

class ChannelPanel : public QWidget, public EqCommandTarget {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 313;
  static constexpr int kMeterSegments = 15;
  static constexpr std::array<int, 2> kMeterFallOffMs = {30, 33};

  // `sink` is the link: with the machine away it drops the reports and the image still changes.
  ChannelPanel(ParameterImage& image, ReportSink& sink, Language language, int page,
               QWidget* parent = nullptr);
  ~ChannelPanel() override;

  int Page() const { return page_; }
  Language InterfaceLanguage() const { return language_; }
  // Shows `page` (clamped) from the image, also when it is already shown.
  void SetPage(int page);
  // The texts of the new language, then the whole page again.
  void ApplyLanguage(const LanguageTable& table, Language language);
  // Every value again from the image, after a synchronisation.
  void ReloadFromImage();
  // The last level values the machine sent, on the two meters.
  void UpdateLevels();
  // A slider of the panel moved: stores and sends what it stands for on this page.
  void OnSliderChanged(int sliderId);

  // The status bar's EQ commands, on the shown page.
  void ToggleBypass() override;
  int BypassState() override;
  void ResetCurrentEq() override;
  void LoadBands() override;

  // The parts, for the view, the screenshots and the tests.
  const PageButtons& Buttons() const { return *buttons_; }
  const SliderRows& Rows() const { return *rows_; }
  const EchoPreviewArea& EchoPreview() const { return *echoPreview_; }
  const MicSubGroup& MicSub() const { return *micSub_; }
  LevelMeter* Meter(int index) const { return meters_[static_cast<size_t>(index)]; }
  EqGraph* Graph() const { return graph_; }
  QWidget* BandArea() const { return bandArea_; }
  BandTable* Table() const { return table_; }
  BandEditor* Editor() const { return editor_; }
  BandEditorSync& Bands() const { return *bands_; }
  QColor AccentColour() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateMeters();
  void CreateLowerPart();
  void ApplyAccessibleTexts();
  void ChoosePage(int page);
  void FullRefresh();
  void ArrangeControls();
  void LoadSliderValues();
  bool RouteWheel(QObject* receiver, QWheelEvent* event);
  QWidget* WheelTarget() const;

  ParameterImage& image_;
  ParameterAccessors accessors_;
  Language language_;
  int page_ = 0;
  PageButtons* buttons_ = nullptr;
  std::array<LevelMeter*, 2> meters_{};
  std::unique_ptr<SliderRows> rows_;
  std::unique_ptr<EchoPreviewArea> echoPreview_;
  std::unique_ptr<MicSubGroup> micSub_;
  QWidget* bandArea_ = nullptr;
  BandTable* table_ = nullptr;
  BandEditor* editor_ = nullptr;
  BandEditorSync* bands_ = nullptr;  // owned by the editor
  EqGraph* graph_ = nullptr;
  FocusMarker* focusMarker_ = nullptr;
};

}  // namespace v7
