#include "ui/dialogs/AboutDialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "ui/dialogs/DialogStyle.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/ProgramIcon.h"

namespace v7 {

namespace {

constexpr char kVersionLine[] = "V7 Control Version 1.4";
constexpr char kYearLine[] = "Copyright (C) 2013";
constexpr char kBuildLine[] = "Build Date:2013-03-28";
constexpr char kModelFormat[] = "机器型号:%1";
constexpr char kVersionsFormat[] = "MCU版本:%1 通信版本:%2";
constexpr char kPlaceholder[] = "--";
constexpr char kPeakSwitch[] = "Peak开关";
constexpr char kOk[] = "确定";
constexpr int kIconPixels = 32;

QString ModelLine(const MachineReadout& readout) {
  return QString::fromUtf8(kModelFormat)
      .arg(readout.connected ? readout.modelName : QString::fromLatin1(kPlaceholder));
}

QString VersionsLine(const MachineReadout& readout) {
  if (!readout.connected) return QString::fromUtf8(kVersionsFormat).arg(kPlaceholder, kPlaceholder);
  return QString::fromUtf8(kVersionsFormat)
      .arg(readout.mcuVersion)
      .arg(readout.protocolVersion, 2, 10, QLatin1Char('0'));
}

}  // namespace

AboutDialog::AboutDialog(const MachineReadout& readout, bool meterPollEnabled, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("关于 ") + QString::fromLatin1(kProductName));
  setFixedSize(DluToPixelsX(212), DluToPixelsY(113));
  ApplyDialogBackground(this);

  auto* icon = new QLabel(this);
  icon->setGeometry(DluRect(14, 14, 20, 20));
  icon->setPixmap(ProgramIcon().pixmap(kIconPixels));
  AddLine(QString::fromLatin1(kVersionLine), DluRect(42, 14, 114, 8), -1);
  AddLine(QString::fromLatin1(kYearLine), DluRect(42, 26, 114, 8), -1);
  AddLine(QString::fromLatin1(kBuildLine), DluRect(42, 39, 114, 8), -1);
  versions_ = AddLine(VersionsLine(readout), DluRect(42, 51, 108, 8), kVersionsId);
  model_ = AddLine(ModelLine(readout), DluRect(43, 75, 108, 8), kModelId);
  versions_->setVisible(readout.connected);
  model_->hide();

  peakSwitch_ = new QCheckBox(QString::fromUtf8(kPeakSwitch), this);
  SetControlId(peakSwitch_, kPeakSwitchId);
  peakSwitch_->setGeometry(DluRect(42, 87, 45, 10));
  // The dialog-unit width is too narrow for the CJK glyphs of this face; never clip the text.
  peakSwitch_->resize(std::max(peakSwitch_->width(), peakSwitch_->sizeHint().width()),
                      peakSwitch_->height());
  peakSwitch_->setChecked(meterPollEnabled);
  peakSwitch_->hide();
  connect(peakSwitch_, &QCheckBox::toggled, this, &AboutDialog::MeterPollChanged);

  auto* ok = new QPushButton(QString::fromUtf8(kOk), this);
  SetControlId(ok, kOkId);
  ok->setGeometry(DluRect(127, 92, 50, 14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel* AboutDialog::AddLine(const QString& text, const QRect& rect, int id) {
  auto* label = new QLabel(text, this);
  label->setGeometry(rect);
  SetControlId(label, id);
  return label;
}

void AboutDialog::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_F11) {
    QDialog::keyReleaseEvent(event);
    return;
  }
  RevealReadout();
  event->accept();
}

void AboutDialog::RevealReadout() {
  versions_->show();
  model_->show();
  peakSwitch_->show();
}

bool AboutDialog::MachineLinesVisible() const {
  return !versions_->isHidden() && !model_->isHidden();
}
bool AboutDialog::PeakSwitchVisible() const {
  return !peakSwitch_->isHidden();
}
QString AboutDialog::ModelText() const {
  return model_->text();
}
QString AboutDialog::VersionsText() const {
  return versions_->text();
}

}  // namespace v7
