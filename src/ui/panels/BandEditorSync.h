// Keeps the EQ graph, the band table and the single-band editor of the channel panel in step
// and sends every change of a band to the machine at once. Holds the selected band (-1: none,
// the table is shown) and the checked type radio.
#pragma once

#include <QColor>
#include <QObject>

#include "dsp/EqGraphBand.h"
#include "i18n/Language.h"
#include "ui/panels/BandEditor.h"

namespace v7 {

class BandTable;
class EqGraph;
class ParameterAccessors;
class ParameterImage;

class BandEditorSync : public QObject {
  Q_OBJECT

 public:
  static constexpr int kBandsOnMicAndMusic = 10;
  static constexpr int kBandsOnOtherPages = 7;

  BandEditorSync(EqGraph& graph, BandTable& table, BandEditor& editor, ParameterImage& image,
                 ParameterAccessors& accessors);

  void SetPage(int page, Language language);
  int SelectedBand() const { return selectedBand_; }
  int TypeRadio() const { return typeRadio_; }
  int BandCount() const;

  // The steps of the panel's refresh.
  void RebuildBandTable();
  void ApplyTableColours(const QColor& accent);
  void ClearSelection() { selectedBand_ = -1; }
  void UpdateEditorVisibility();
  void LoadBands();

  // The status bar's two EQ commands.
  void ToggleBypass();
  int BypassState();
  void ResetCurrentEq();

  // What the user did.
  void OnBandChanged(const EqGraphBand& band, int index);
  void OnBackgroundClick();
  void OnTypeRadio(int type);
  void SetTypeFromEditor(int band, int type);
  void OnSliderMoved(BandEditor::Value value, int position);
  void ApplyEditBoxes(int band);
  void OnTableEdit(int row, int column, const QString& text);
  void ApplyTableRow(int band);

 private:
  void LoadBand(int index);
  void SendBand(int band);
  void ApplyNumbers(int band, double gain, double frequency, double q);
  void WriteValueTexts(int band);
  void ShowType(FilterType type);
  void ChooseRowFromKeyboard(int row);
  void CloseEditor();

  EqGraph& graph_;
  BandTable& table_;
  BandEditor& editor_;
  ParameterImage& image_;
  ParameterAccessors& accessors_;
  int page_ = 0;
  Language language_ = Language::Chinese;
  int selectedBand_ = -1;
  int typeRadio_ = 0;
};

}  // namespace v7
