#include "ui/dialogs/AboutDialog.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "i18n/TextPair.h"
#include "ui/dialogs/DialogStyle.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/dialogs/ProgramIcon.h"

namespace v7 {

namespace {

constexpr char kVersionLine[] = "V7 Control Version 1.4";
constexpr char kYearLine[] = "Copyright (C) 2013";
constexpr char kBuildLine[] = "Build Date:2013-03-28";
constexpr TextPair kTitle{"关于 ", "About "};
constexpr TextPair kModelFormat{"机器型号:%1", "Machine model:%1"};
constexpr TextPair kVersionsFormat{"MCU版本:%1 通信版本:%2", "MCU version:%1 Protocol version:%2"};
constexpr char kPlaceholder[] = "--";
constexpr TextPair kPeakSwitch{"Peak开关", "Peak switch"};
constexpr TextPair kOk{"确定", "OK"};
constexpr int kIconPixels = 32;
constexpr int kRightMarginDlu = 7;

QString ModelLine(const MachineReadout& readout, Language language) {
  return kModelFormat.In(language).arg(readout.connected ? readout.modelName
                                                         : QString::fromLatin1(kPlaceholder));
}

QString VersionsLine(const MachineReadout& readout, Language language) {
  const QString format = kVersionsFormat.In(language);
  if (!readout.connected) return format.arg(kPlaceholder, kPlaceholder);
  return format.arg(readout.mcuVersion).arg(readout.protocolVersion, 2, 10, QLatin1Char('0'));
}

}  // namespace

AboutDialog::AboutDialog(const MachineReadout& readout, bool meterPollEnabled, QWidget* parent,
                         Language language)
    : QDialog(parent) {
  setWindowTitle(kTitle.In(language) + QString::fromLatin1(kProductName));
  setFixedSize(DluToPixelsX(212), DluToPixelsY(113));
  ApplyDialogBackground(this);

  auto* icon = new QLabel(this);
  icon->setGeometry(DluRect(14, 14, 20, 20));
  icon->setPixmap(ProgramIcon().pixmap(kIconPixels));
  AddLine(QString::fromLatin1(kVersionLine), DluRect(42, 14, 114, 8), -1);
  AddLine(QString::fromLatin1(kYearLine), DluRect(42, 26, 114, 8), -1);
  AddLine(QString::fromLatin1(kBuildLine), DluRect(42, 39, 114, 8), -1);
  versions_ = AddLine(VersionsLine(readout, language), DluRect(42, 51, 108, 8), kVersionsId);
  model_ = AddLine(ModelLine(readout, language), DluRect(43, 75, 108, 8), kModelId);
  versions_->setVisible(readout.connected);
  model_->hide();

  peakSwitch_ = new QCheckBox(kPeakSwitch.In(language), this);
  SetControlId(peakSwitch_, kPeakSwitchId);
  peakSwitch_->setGeometry(DluRect(42, 87, 45, 10));
  peakSwitch_->setChecked(meterPollEnabled);
  peakSwitch_->hide();
  connect(peakSwitch_, &QCheckBox::toggled, this, &AboutDialog::MeterPollChanged);

  auto* ok = new QPushButton(kOk.In(language), this);
  SetControlId(ok, kOkId);
  ok->setGeometry(DluRect(127, 92, 50, 14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  FitContents();
}

// The dialog-unit widths are too narrow for some faces and for the English lines; never clip.
void AboutDialog::FitContents() {
  int right = 0;
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    child->resize(std::max(child->width(), child->sizeHint().width()), child->height());
    right = std::max(right, child->geometry().right() + 1);
  }
  setFixedSize(std::max(width(), right + DluToPixelsX(kRightMarginDlu)), height());
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
