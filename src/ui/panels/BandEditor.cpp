#include "ui/panels/BandEditor.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "ui/dialogs/DialogStyle.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/panels/BandTexts.h"
#include "ui/panels/ChannelPanelLayout.h"
#include "ui/panels/PanelTexts.h"
#include "ui/panels/SliderAccessibility.h"
#include "ui/widgets/ImageSlider.h"

namespace v7 {

namespace {

// Places in the panel's dialog units, moved into the band area by Place().
constexpr int kFrameY = 144;
constexpr int kFrameWidth = 42;
constexpr int kFrameHeight = 108;
constexpr int kTypeFrameX = 1;
constexpr int kRadioX = 9;
constexpr int kFirstRadioY = 176;
constexpr int kRadioStepY = 14;
constexpr int kRadioWidth = 29;
constexpr int kRadioHeight = 10;
constexpr int kNumberX = 11;
constexpr int kNumberY = 156;
constexpr int kNumberWidth = 22;
constexpr int kNumberHeight = 18;
constexpr std::array<int, BandEditor::kValueCount> kFrameX = {44, 86, 128};
constexpr std::array<int, BandEditor::kValueCount> kSliderX = {58, 100, 141};
constexpr int kSliderY = 153;
constexpr std::array<int, BandEditor::kValueCount> kBoxX = {47, 89, 131};
constexpr int kBoxY = 237;
constexpr int kBoxWidth = 36;
constexpr int kBoxHeight = 14;
constexpr int kNumberPixelSize = 24;
constexpr QRgb kNumberColour = 0xFF14C814;
constexpr std::array<const char*, BandEditor::kValueCount> kFrameTemplates = {"GAIN", "F", "Q"};
constexpr std::array<const char*, BandEditor::kTypeCount> kRadioTemplates = {"PEQ", "LP", "HP",
                                                                             "LS", "HS"};

QRect Place(int x, int y, int width, int height) {
  return DluRect(x, y, width, height).translated(-panel::kBandAreaRect.topLeft());
}

}  // namespace

BandEditor::BandEditor(QWidget* bandArea) : QWidget(bandArea) {
  setGeometry(bandArea->rect());
  // Frames first, so that the controls lie above them and Tab visits the controls only.
  auto* typeFrame = new QGroupBox(QStringLiteral("EQ TYPE"), this);
  SetControlId(typeFrame, kTypeGroupId);
  typeFrame->setGeometry(Place(kTypeFrameX, kFrameY, kFrameWidth, kFrameHeight));
  for (int i = 0; i < kValueCount; ++i) {
    const auto index = static_cast<size_t>(i);
    auto* frame = new QGroupBox(QString::fromLatin1(kFrameTemplates[index]), this);
    SetControlId(frame, kGroupIds[index]);
    frame->setGeometry(Place(kFrameX[index], kFrameY, kFrameWidth, kFrameHeight));
  }
  CreateTypeControls();
  CreateValueColumns();
  SetQRange(FilterType::Peq);
}

void BandEditor::CreateTypeControls() {
  number_ = new QLabel(QStringLiteral("0"), this);
  SetControlId(number_, kNumberId);
  number_->setGeometry(Place(kNumberX, kNumberY, kNumberWidth, kNumberHeight));
  number_->setAlignment(Qt::AlignCenter);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(kNumberPixelSize);
  font.setBold(true);
  number_->setFont(font);
  QPalette colours = number_->palette();
  colours.setColor(QPalette::WindowText, QColor::fromRgba(kNumberColour));
  number_->setPalette(colours);

  typeButtons_ = new QButtonGroup(this);
  for (int k = 0; k < kTypeCount; ++k) {
    auto* radio =
        new QRadioButton(QString::fromLatin1(kRadioTemplates[static_cast<size_t>(k)]), this);
    SetControlId(radio, kFirstRadioId + k);
    radio->setGeometry(Place(kRadioX, kFirstRadioY + k * kRadioStepY, kRadioWidth, kRadioHeight));
    typeButtons_->addButton(radio, k);
    radios_[static_cast<size_t>(k)] = radio;
  }
  connect(typeButtons_, &QButtonGroup::idClicked, this, [this](int k) { emit TypeChosen(k + 1); });
}

void BandEditor::CreateValueColumns() {
  for (int i = 0; i < kValueCount; ++i) {
    const auto index = static_cast<size_t>(i);
    auto* slider = new ImageSlider(this, kSliderIds[index]);
    slider->LoadArtwork(ImageSlider::kVerticalArtwork);
    slider->setGeometry(
        QRect(Place(kSliderX[index], kSliderY, 0, 0).topLeft(), slider->sizeHint()));
    const auto which = static_cast<Value>(i);
    connect(slider, &ImageSlider::ValueChanged, this,
            [this, which, slider] { emit SliderMoved(which, slider->Value()); });
    sliders_[index] = slider;

    auto* box = new QLineEdit(this);
    SetControlId(box, kBoxIds[index]);
    box->setGeometry(Place(kBoxX[index], kBoxY, kBoxWidth, kBoxHeight));
    box->setAlignment(Qt::AlignCenter);
    connect(box, &QLineEdit::returnPressed, this, &BandEditor::BoxesEntered);
    boxes_[index] = box;
  }
  sliders_[kGain]->SetRange(-kGainRange, kGainRange);
  sliders_[kFrequency]->SetRange(kMinFrequencyPosition, kMaxFrequencyPosition);
}

void BandEditor::SetNumber(int number) {
  number_->setText(QString::number(number));
}

void BandEditor::SetBoxText(Value value, const QString& text) {
  boxes_[value]->setText(text);
  SetAccessibleValueText(sliders_[value], text);
}

QString BandEditor::BoxText(Value value) const {
  return boxes_[value]->text();
}

void BandEditor::SetSliderPositions(const EqGraphBand& band) {
  SetSliderPosition(kGain, band.gain);
  SetSliderPosition(kFrequency, band.frequency);
  SetSliderPosition(kQ, band.q);
}

void BandEditor::SetSliderPosition(Value value, double bandValue) {
  constexpr std::array<int, kValueCount> kScales = {kGainScale, 1, kQScale};
  sliders_[value]->SetValue(static_cast<int>(std::trunc(bandValue * kScales[value])));
}

void BandEditor::SetQRange(FilterType type) {
  sliders_[kQ]->SetRange(kMinQPosition,
                         type == FilterType::Peq ? kMaxPeqQPosition : kMaxOtherQPosition);
}

void BandEditor::SetGainEnabled(bool enabled) {
  sliders_[kGain]->SetSliderEnabled(enabled);
  boxes_[kGain]->setEnabled(enabled);
}

void BandEditor::CheckTypeRadio(int typeRadio) {
  if (typeRadio >= 0 && typeRadio < kTypeCount) {
    radios_[static_cast<size_t>(typeRadio)]->setChecked(true);
    return;
  }
  // An exclusive group keeps one radio checked; let go of it for a band that is off.
  typeButtons_->setExclusive(false);
  for (QRadioButton* radio : radios_) radio->setChecked(false);
  typeButtons_->setExclusive(true);
}

void BandEditor::ApplyLanguage(Language language) {
  setToolTip(band::kEditorTip.In(language));
  number_->setAccessibleName(band::kNumberName.In(language));
  number_->setToolTip(band::kNumberName.In(language));
  for (QRadioButton* radio : radios_) {
    radio->setAccessibleName(radio->text());
    radio->setToolTip(band::kTypeTip.In(language).arg(radio->text()));
  }
  for (int i = 0; i < kValueCount; ++i) {
    const QString name = band::kValueNames[static_cast<size_t>(i)].In(language);
    sliders_[static_cast<size_t>(i)]->setAccessibleName(name);
    sliders_[static_cast<size_t>(i)]->setToolTip(panel::kSliderTip.In(language).arg(name));
    boxes_[static_cast<size_t>(i)]->setAccessibleName(band::kValueBoxName.In(language).arg(name));
    boxes_[static_cast<size_t>(i)]->setToolTip(band::kValueBoxTip.In(language).arg(name));
  }
}

void BandEditor::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    emit CloseRequested();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace v7
