#pragma once

#include <QDialog>
#include <QString>

#include "i18n/Language.h"

class QCheckBox;
class QLabel;

namespace v7 {

// What the About box reads from the machine side.
struct MachineReadout {
  bool connected = false;
  QString modelName;
  QString mcuVersion;
  int protocolVersion = 0;
};

// The About box. F11 reveals the machine's model and versions and the switch of
// the level-meter polling ("Peak开关").
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kVersionsId = 1007;
  static constexpr int kModelId = 1005;
  static constexpr int kPeakSwitchId = 1045;
  static constexpr int kOkId = 1;
  static constexpr const char* kProductName = "V7 Control";

  // The texts are in `language`; the product lines are the same in both.
  AboutDialog(const MachineReadout& readout, bool meterPollEnabled, QWidget* parent,
              Language language = Language::Chinese);

  bool MachineLinesVisible() const;
  bool PeakSwitchVisible() const;
  QString ModelText() const;
  QString VersionsText() const;

 signals:
  void MeterPollChanged(bool enabled);

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  QLabel* AddLine(const QString& text, const QRect& rect, int id);
  // Widens any line the dialog units make too narrow for its text, and the box with it.
  void FitContents();
  void RevealReadout();

  QLabel* versions_ = nullptr;
  QLabel* model_ = nullptr;
  QCheckBox* peakSwitch_ = nullptr;
};

}  // namespace v7
