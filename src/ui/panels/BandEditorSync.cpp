#include "ui/panels/BandEditorSync.h"

#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "dsp/ResponseCurve.h"
#include "edit/ParameterAccessors.h"
#include "params/ParameterImage.h"
#include "ui/panels/BandTable.h"
#include "ui/panels/BandTableModel.h"
#include "ui/panels/BandTexts.h"
#include "ui/widgets/EqGraph.h"

namespace v7 {

namespace {

using Column = BandTableModel::Column;

// Below this a typed frequency or Q counts as no number and leaves the band's value alone.
constexpr double kNoValue = 1e-7;
constexpr float kMinFrequency = 20.0f;
constexpr float kMaxFrequency = 20000.0f;
constexpr QRgb kRowBackground = 0xFF141414;

bool IsValue(double value) {
  return std::fabs(value) >= kNoValue;
}

}  // namespace

BandEditorSync::BandEditorSync(EqGraph& graph, BandTable& table, BandEditor& editor,
                               ParameterImage& image, ParameterAccessors& accessors)
    : QObject(&editor),
      graph_(graph),
      table_(table),
      editor_(editor),
      image_(image),
      accessors_(accessors) {
  // Direct: the band reaches the machine before the graph goes on with a drag.
  connect(&graph_, &EqGraph::BandChanged, this, &BandEditorSync::OnBandChanged,
          Qt::DirectConnection);
  connect(&graph_, &EqGraph::BackgroundClicked, this, &BandEditorSync::OnBackgroundClick);
  connect(&table_, &BandTable::CellEdited, this, &BandEditorSync::OnTableEdit);
  connect(&table_, &BandTable::RowHighlighted, this,
          [this](int row) { graph_.SetSelectedBand(row); });
  connect(&table_, &BandTable::RowChosen, this, &BandEditorSync::ChooseRowFromKeyboard);
  connect(&editor_, &BandEditor::TypeChosen, this, &BandEditorSync::OnTypeRadio);
  connect(&editor_, &BandEditor::SliderMoved, this, &BandEditorSync::OnSliderMoved);
  connect(&editor_, &BandEditor::BoxesEntered, this, [this] { ApplyEditBoxes(selectedBand_); });
  connect(&editor_, &BandEditor::CloseRequested, this, &BandEditorSync::CloseEditor);
}

void BandEditorSync::SetPage(int page, Language language) {
  page_ = page;
  language_ = language;
}

int BandEditorSync::BandCount() const {
  return page_ == kPageMic || page_ == kPageMusic ? kBandsOnMicAndMusic : kBandsOnOtherPages;
}

// --- refresh ---

void BandEditorSync::RebuildBandTable() {
  table_.Rebuild(BandCount(), language_);
}

void BandEditorSync::ApplyTableColours(const QColor& accent) {
  table_.ApplyColours(accent, QColor::fromRgba(kRowBackground));
}

void BandEditorSync::UpdateEditorVisibility() {
  const bool editing = selectedBand_ != -1;
  table_.setVisible(!editing);
  editor_.setVisible(editing);
}

void BandEditorSync::LoadBands() {
  graph_.SetSelectedBand(-1);
  graph_.SetIdentity(page_);
  graph_.SetBandCount(BandCount());
  for (int i = 0; i < BandCount(); ++i) LoadBand(i);
  graph_.SetBypass(image_.GetEqBypass(page_) != 0);
  graph_.update();
}

// The table shows what is stored; the graph draws it within the limits of the band's type.
void BandEditorSync::LoadBand(int index) {
  const EqBandSettings stored = image_.GetEqBand(page_, index);
  const FilterType type = FilterTypeFromCode(stored.type);
  EqGraphBand& band = graph_.Band(index);
  // A band that is off keeps the values the band count gave it.
  band.type = type;
  if (IsActiveType(type)) graph_.SetBandType(index, type);
  graph_.RecomputeBand(index);
  graph_.SetBandGain(index, stored.gainDb);
  BandTableModel& model = table_.Model();
  model.SetCell(index, Column::kGainColumn, band::GainText(stored.gainDb));
  if (IsValue(stored.freqHz)) {
    band.frequency = std::clamp(static_cast<float>(stored.freqHz), kMinFrequency, kMaxFrequency);
    graph_.RecomputeBand(index);
    model.SetCell(index, Column::kFrequencyColumn, band::FrequencyText(stored.freqHz));
  }
  if (IsValue(stored.q)) {
    graph_.SetBandQ(index, stored.q);
    model.SetCell(index, Column::kQColumn, band::QText(stored.q));
  }
  model.SetCell(index, Column::kTypeColumn, band::TypeName(type, language_));
}

// --- status bar ---

void BandEditorSync::ToggleBypass() {
  accessors_.ToggleEqBypass(page_);
}

int BandEditorSync::BypassState() {
  const int bypass = image_.GetEqBypass(page_);
  graph_.SetBypass(bypass != 0);
  graph_.update();
  return bypass;
}

void BandEditorSync::ResetCurrentEq() {
  accessors_.ResetEqBlock(page_);
}

// --- graph ---

void BandEditorSync::OnBandChanged(const EqGraphBand& band, int index) {
  BandTableModel& model = table_.Model();
  model.SetCell(index, Column::kGainColumn, band::GainText(band.gain));
  editor_.SetBoxText(BandEditor::kGain, band::GainText(band.gain));
  model.SetCell(index, Column::kFrequencyColumn, band::FrequencyText(band.frequency));
  editor_.SetBoxText(BandEditor::kFrequency, band::FrequencyText(band.frequency));
  model.SetCell(index, Column::kQColumn, band::QText(band.q));
  editor_.SetBoxText(BandEditor::kQ, band::QText(band.q));
  editor_.SetSliderPositions(band);
  table_.SelectRow(index);
  editor_.SetNumber(index + 1);
  accessors_.SetEqBand(page_, index, static_cast<int>(band.type),
                       static_cast<int>(std::trunc(band.frequency)), band.gain, band.q);
  model.SetCell(index, Column::kTypeColumn, band::TypeName(band.type, language_));
  ShowType(band.type);
  const bool wasNone = selectedBand_ == -1;
  selectedBand_ = index;
  if (wasNone) UpdateEditorVisibility();
}

void BandEditorSync::OnBackgroundClick() {
  if (selectedBand_ == -1) return;
  selectedBand_ = -1;
  UpdateEditorVisibility();
}

// Enter on a table row picks the band as a click on its marker would.
void BandEditorSync::ChooseRowFromKeyboard(int row) {
  if (row < 0 || row >= BandCount()) return;
  graph_.SetSelectedBand(row);
  OnBandChanged(graph_.Band(row), row);
  editor_.Radio(std::max(typeRadio_, 0))->setFocus(Qt::TabFocusReason);
}

// Escape in the editor: back to the table, on the row of the band that was edited.
void BandEditorSync::CloseEditor() {
  const int band = selectedBand_;
  OnBackgroundClick();
  if (band == -1) return;
  table_.SelectRow(band);
  table_.setFocus(Qt::TabFocusReason);
}

// --- type ---

void BandEditorSync::OnTypeRadio(int type) {
  editor_.SetQRange(static_cast<FilterType>(type));
  if (selectedBand_ != -1) SetTypeFromEditor(selectedBand_, type);
}

void BandEditorSync::SetTypeFromEditor(int band, int type) {
  const FilterType filter = FilterTypeFromCode(type);
  graph_.SetBandType(band, filter);
  graph_.update();
  SendBand(band);
  const EqGraphBand& values = graph_.Band(band);
  BandTableModel& model = table_.Model();
  model.SetCell(band, Column::kQColumn, band::QText(values.q));
  editor_.SetBoxText(BandEditor::kQ, band::QText(values.q));
  model.SetCell(band, Column::kGainColumn, band::GainText(values.gain));
  editor_.SetBoxText(BandEditor::kGain, band::GainText(values.gain));
  editor_.SetSliderPosition(BandEditor::kQ, values.q);
  editor_.SetSliderPosition(BandEditor::kGain, values.gain);
  ShowType(filter);
  model.SetCell(band, Column::kTypeColumn, band::TypeName(filter, language_));
}

// The radios, the Q range and whether gain can be set follow the band's type.
void BandEditorSync::ShowType(FilterType type) {
  typeRadio_ = static_cast<int>(type) - 1;
  editor_.SetQRange(type);
  editor_.SetGainEnabled(type == FilterType::Peq || type == FilterType::Ls ||
                         type == FilterType::Hs);
  editor_.CheckTypeRadio(typeRadio_);
}

// --- typed values ---

void BandEditorSync::OnSliderMoved(BandEditor::Value value, int position) {
  switch (value) {
    case BandEditor::kGain:
      editor_.SetBoxText(value, band::GainText(position / double(BandEditor::kGainScale)));
      break;
    case BandEditor::kFrequency:
      editor_.SetBoxText(value, QString::asprintf("%dHz", position));
      break;
    case BandEditor::kQ:
      editor_.SetBoxText(value, band::QText(position / double(BandEditor::kQScale)));
      break;
  }
  ApplyEditBoxes(selectedBand_);
}

// The sliders stay where they are: only a change from the graph, the table or the radios
// moves them.
void BandEditorSync::ApplyEditBoxes(int band) {
  if (band < 0 || band >= BandCount()) return;
  ApplyNumbers(band, band::LeadingNumber(editor_.BoxText(BandEditor::kGain)),
               band::LeadingNumber(editor_.BoxText(BandEditor::kFrequency)),
               band::LeadingNumber(editor_.BoxText(BandEditor::kQ)));
  WriteValueTexts(band);
  table_.Model().SetCell(band, Column::kTypeColumn,
                         band::TypeName(graph_.Band(band).type, language_));
}

void BandEditorSync::OnTableEdit(int row, int column, const QString& text) {
  if (column == Column::kTypeColumn) {
    const int type = band::TypeIndexFromName(text, language_);
    if (type != -1) SetTypeFromEditor(row, type);
  } else if (column >= Column::kGainColumn && column <= Column::kQColumn) {
    ApplyTableRow(row);
  }
}

void BandEditorSync::ApplyTableRow(int band) {
  if (band < 0 || band >= BandCount()) return;
  const BandTableModel& model = table_.Model();
  ApplyNumbers(band, band::LeadingNumber(model.Cell(band, Column::kGainColumn)),
               band::LeadingNumber(model.Cell(band, Column::kFrequencyColumn)),
               band::LeadingNumber(model.Cell(band, Column::kQColumn)));
  WriteValueTexts(band);
  editor_.SetSliderPositions(graph_.Band(band));
}

void BandEditorSync::ApplyNumbers(int band, double gain, double frequency, double q) {
  graph_.SetBandGain(band, static_cast<float>(gain));
  if (IsValue(frequency)) {
    graph_.Band(band).frequency =
        static_cast<float>(std::clamp(frequency, double(kMinFrequency), double(kMaxFrequency)));
    graph_.RecomputeBand(band);
  }
  graph_.SetBandQ(band, static_cast<float>(q));
  graph_.update();
  SendBand(band);
}

void BandEditorSync::WriteValueTexts(int band) {
  const EqGraphBand& values = graph_.Band(band);
  BandTableModel& model = table_.Model();
  const QString gain = band::GainText(values.gain);
  const QString frequency = band::FrequencyText(values.frequency);
  const QString q = band::QText(values.q);
  model.SetCell(band, Column::kGainColumn, gain);
  model.SetCell(band, Column::kFrequencyColumn, frequency);
  model.SetCell(band, Column::kQColumn, q);
  editor_.SetBoxText(BandEditor::kGain, gain);
  editor_.SetBoxText(BandEditor::kFrequency, frequency);
  editor_.SetBoxText(BandEditor::kQ, q);
}

void BandEditorSync::SendBand(int band) {
  const EqGraphBand& values = graph_.Band(band);
  accessors_.SetEqBand(page_, band, static_cast<int>(values.type),
                       static_cast<int>(std::trunc(values.frequency)), values.gain, values.q);
}

}  // namespace v7
