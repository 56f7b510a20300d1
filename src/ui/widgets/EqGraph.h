#pragma once

#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>

#include "dsp/EqGraphBand.h"
#include "dsp/FilterType.h"
#include "i18n/Language.h"
#include "ui/widgets/EqGraphRenderer.h"

namespace v7 {

// The large EQ response graph. Holds up to 32 bands in display form, draws them over a
// logarithmic frequency grid and lets the user edit them: drag a marker for frequency and gain,
// drag with the right button for Q, right-click for the filter type, wheel and keys for fine
// steps. Every user change is reported through BandChanged at once; the parent's setters
// never notify. Connect with a direct connection: the parent finishes its work (sending the
// band to the machine) before the graph goes on.
class EqGraph : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMaxBands = 32;

  explicit EqGraph(QWidget* parent = nullptr);
  ~EqGraph() override;

  // n is limited to 1..32. The counts 7, 10, 15 and 32 load their preset frequencies (type
  // PEQ, Q 1.41); every band in use gets its index and 0 dB.
  void SetBandCount(int n);
  int BandCount() const { return count_; }
  // Choosing PEQ sets Q 1.41 and keeps the gain; any other type resets gain 0 dB and Q 0.7.
  void SetBandType(int band, FilterType type);
  // Limited to -15..+15 dB; forced to 0 for low and high pass.
  void SetBandGain(int band, float gain);
  // Ignored below 1e-7; limited to 0.1..30 for PEQ and 0.1..2 for the other types.
  void SetBandQ(int band, float q);
  // Rebuilds the grid and restores every band's -15..+15 dB gain range.
  void ResetView();

  // Direct access for the parent, which writes a band's frequency and then recomputes it.
  EqGraphBand& Band(int band);
  const EqGraphBand& Band(int band) const;
  void RecomputeBand(int band);

  int SelectedBand() const { return selected_; }
  void SetSelectedBand(int band);
  int HoveredBand() const { return hovered_; }
  // Which equaliser is shown: 0 mic, 1 music, 2 echo, 3 main, 4 centre, 5 subwoofer.
  int Identity() const { return identity_; }
  void SetIdentity(int identity);
  v7::Language Language() const { return language_; }
  void SetLanguage(v7::Language language);
  bool Bypass() const { return bypass_; }
  void SetBypass(bool bypass);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // The user changed or picked a band: the band record and its index.
  void BandChanged(const v7::EqGraphBand& band, int index);
  // A left click that hit no band.
  void BackgroundClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

  // Shows the filter-type menu (PEQ, LP, HP, LS, HS, labelled `labels`) at a global position
  // and returns the chosen type, or nothing when the menu was dismissed. Tests replace it so
  // no modal menu ever opens.
  virtual std::optional<FilterType> ExecTypeMenu(const QPoint& globalPos,
                                                 const QStringList& labels);

 private:
  struct Gesture {
    bool left = false;
    bool right = false;
    int grabX = 0;  // also the right gesture's anchor
    int grabY = 0;
    bool rightMoved = false;
  };

  bool IsValidBand(int band) const { return band >= 0 && band < kMaxBands; }
  EqGraphGeometry Geometry() const;
  int FindBand(int hitX, int hitY, int radius, bool activeOnly, bool highest) const;
  void LeftPress(QPoint hit);
  void LeftRelease();
  void RightPress(QPoint hit);
  void RightRelease(const QPoint& globalPos);
  void DragSelected(QPoint hit);
  void DragSelectedQ(QPoint hit);
  void UpdateHover(QPoint hit);
  bool StepGain(EqGraphBand& band, double step) const;
  void StepQ(EqGraphBand& band, double step) const;
  void FinishFineStep(int band);
  void NotifyBandChanged(int band);
  void ApplyTypeChoice(FilterType type);

  std::array<EqGraphBand, kMaxBands> bands_{};
  int count_ = 0;
  int selected_ = -1;
  int hovered_ = -1;
  Gesture gesture_;
  int identity_ = 0;
  v7::Language language_ = v7::Language::Chinese;
  bool bypass_ = false;
  EqGraphRenderer renderer_;
};

}  // namespace v7
