#include "ui/dialogs/MachineSettingsDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

#include "controllers/ShellOperations.h"
#include "edit/ParameterAccessors.h"
#include "i18n/LanguageTables.h"
#include "i18n/TextPair.h"
#include "link/DeviceLink.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogStyle.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/ImageSlider.h"

namespace v7 {

namespace {

constexpr TextPair kTitle{"机器设置", "Machine Set"};
constexpr TextPair kInvalid{"无效", "Invalid"};
constexpr TextPair kApplied{"机器设置已生效!", "Setting valid"};
constexpr TextPair kEnable{"启用", "Enable"};

struct Box {
  int id;
  TextPair text;
  QRect rect;
};

// Layout and built-in texts of one channel's controls.
struct ChannelLayout {
  Box startCaption;
  QRect startText;
  int startTextId;
  int startId;
  QRect start;
  Box enable;
  Box maximumCaption;
  QRect maximumText;
  int maximumTextId;
  int maximumId;
  QRect maximum;
  DeviceSettingsByte startByte;
  DeviceSettingsByte maximumByte;
  bool (ParameterAccessors::*play)(int);
  int32_t DspParams::*volume;
  TextPair startTip;
  TextPair enableTip;
  TextPair maximumTip;
};

const ChannelLayout kChannelLayouts[] = {
    {{1005, {"话筒开机音量", "Mic start vol"}, DluRect(18, 22, 64, 9)},
     DluRect(77, 22, 26, 8),
     1145,
     1014,
     DluRect(18, 34, 87, 14),
     {1039, kEnable, DluRect(111, 33, 32, 10)},
     {1006, {"话筒最大音量", "Mic max vol"}, DluRect(166, 19, 51, 9)},
     DluRect(222, 19, 26, 8),
     1147,
     1016,
     DluRect(166, 31, 87, 14),
     kSettingMicStartVolume,
     kSettingMicMaxVolume,
     &ParameterAccessors::SetMicVolume,
     &DspParams::micVolume,
     {"机器开机时的话筒音量", "The mic volume the machine starts with"},
     {"启用话筒开机音量", "Use a mic start volume"},
     {"机器自身控制允许的最大话筒音量", "The highest mic volume the machine allows"}},
    {{1002, {"音乐开机音量", "Music start vol"}, DluRect(18, 52, 64, 9)},
     DluRect(77, 52, 26, 8),
     1146,
     1015,
     DluRect(18, 64, 87, 14),
     {1040, kEnable, DluRect(111, 62, 32, 10)},
     {1131, {"音乐最大音量", "Music max vol"}, DluRect(166, 49, 51, 9)},
     DluRect(222, 49, 26, 8),
     1150,
     1019,
     DluRect(166, 61, 87, 14),
     kSettingMusicStartVolume,
     kSettingMusicMaxVolume,
     &ParameterAccessors::SetMusicVolume,
     &DspParams::musicVolume,
     {"机器开机时的音乐音量", "The music volume the machine starts with"},
     {"启用音乐开机音量", "Use a music start volume"},
     {"机器自身控制允许的最大音乐音量", "The highest music volume the machine allows"}},
};

const Box kGroups[] = {
    {1197, {"开机音量", "Start vol"}, DluRect(7, 7, 142, 74)},
    {1199, {"限制音量", "Limit vol"}, DluRect(155, 7, 106, 74)},
    {1201, {"音量保存模式", "Vol save mode"}, DluRect(7, 90, 142, 46)},
    {1198, {"锁定", "Lock"}, DluRect(154, 91, 106, 46)},
};

const Box kSaveModes[] = {
    {MachineSettingsDialog::kByPowerId, {"随开关机保存", "By power"}, DluRect(23, 104, 71, 10)},
    {MachineSettingsDialog::kByModeId, {"随模式保存", "By mode "}, DluRect(23, 119, 65, 10)},
};
constexpr TextPair kSaveModeTips[] = {
    {"音量随开关机保存", "The volumes are kept across power cycles"},
    {"音量随各模式保存", "The volumes are kept with each mode"},
};

const Box kPanelLock{
    MachineSettingsDialog::kPanelLockId, {"锁定面板", "Lock panel"}, DluRect(186, 108, 48, 10)};
constexpr TextPair kPanelLockTip{"锁定机器的前面板", "Lock the machine's front panel"};

// The lock-function boxes are never shown; they keep the lock bits, bit 0 first.
const Box kLockBits[] = {
    {1143, {"锁定话筒音量", "Lock mic vol"}, DluRect(7, 140, 60, 10)},
    {1144, {"锁定音乐音量", "Lock music vol"}, DluRect(7, 140, 60, 10)},
    {1041, {"锁定话筒菜单", "Lock mic menu"}, DluRect(7, 140, 60, 10)},
    {1042, {"锁定音乐菜单", "Lock music menu"}, DluRect(7, 140, 60, 10)},
    {1043, {"锁定载入模式", "Lock load"}, DluRect(7, 140, 60, 10)},
    {1044, {"锁定保存模式", "Lock save"}, DluRect(7, 140, 60, 10)},
    {1045, {"锁定遥控", "Lock remote"}, DluRect(7, 140, 60, 10)},
    {1148, {"锁定直达声", "Lock direct"}, DluRect(7, 140, 60, 10)},
};

const Box kApply{MachineSettingsDialog::kApplyId, {"应用", "Apply"}, DluRect(154, 148, 50, 17)};
const Box kCancel{MachineSettingsDialog::kCancelId, {"取消", "Cancel"}, DluRect(208, 148, 50, 17)};
constexpr TextPair kApplyTip{"把设置发送到机器", "Send the settings to the machine"};
constexpr TextPair kCancelTip{"放弃未应用的改动并关闭", "Drop the changes not applied and close"};

constexpr int SignedByte(uint8_t byte) {
  return static_cast<int8_t>(byte);
}
constexpr uint8_t ByteOf(int dB) {
  return static_cast<uint8_t>(static_cast<int8_t>(dB));
}

QCheckBox* MakeCheckBox(QWidget* parent, const Box& box) {
  auto* check = new QCheckBox(box.text.In(Language::Chinese), parent);
  SetControlId(check, box.id);
  check->setGeometry(box.rect);
  return check;
}

}  // namespace

MachineSettingsDialog::MachineSettingsDialog(ShellOperations& shell, QWidget* parent)
    : QDialog(parent), shell_(shell) {
  setWindowTitle(kTitle.In(Language::Chinese));
  setFixedSize(DluToPixelsX(271), DluToPixelsY(175));
  setAttribute(Qt::WA_DeleteOnClose);
  ApplyDialogBackground(this);
  ApplyDialogFont(this);
  for (const Box& group : kGroups) {
    auto* box = new QGroupBox(group.text.In(Language::Chinese), this);
    SetControlId(box, group.id);
    box->setGeometry(group.rect);
  }
  BuildChannel(Channel::Mic);
  BuildChannel(Channel::Music);
  for (Channel channel : {Channel::Mic, Channel::Music}) {
    ImageSlider* maximum = Controls(channel).maximum;
    maximum->show();
    connect(maximum, &ImageSlider::ValueChanged, this, [this](int id, int) { OnSliderMoved(id); });
  }
  BuildSaveModeAndLocks();
  BuildButtons();
  connect(qApp, &QApplication::focusChanged, this, [this] { update(); });
  ApplyTooltips(Language::Chinese);
  ReloadSettings();
}

// Start slider and its box first, so Tab runs down the start volumes, then the maximums.
void MachineSettingsDialog::BuildChannel(Channel channel) {
  const ChannelLayout& layout = kChannelLayouts[static_cast<int>(channel)];
  ChannelControls& c = Controls(channel);
  c.startCaption =
      MakeDialogLabel(this, layout.startCaption.id, layout.startCaption.text.In(Language::Chinese),
                      layout.startCaption.rect);
  c.startText = MakeDialogLabel(this, layout.startTextId, QString(), layout.startText);
  c.startText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  c.start =
      MakeDialogSlider(this, layout.startId, layout.start, kVolumeMinimum, kVolumeMaximum, false);
  connect(c.start, &ImageSlider::ValueChanged, this, [this](int id, int) { OnSliderMoved(id); });
  c.enable = MakeCheckBox(this, layout.enable);
  connect(c.enable, &QCheckBox::clicked, this,
          [this, channel](bool ticked) { OnEnableClicked(channel, ticked); });
  c.maximumCaption =
      MakeDialogLabel(this, layout.maximumCaption.id,
                      layout.maximumCaption.text.In(Language::Chinese), layout.maximumCaption.rect);
  c.maximumText = MakeDialogLabel(this, layout.maximumTextId, QString(), layout.maximumText);
  c.maximumText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  c.maximum = MakeDialogSlider(this, layout.maximumId, layout.maximum, kVolumeMinimum,
                               kVolumeMaximum, false);
  c.maximum->hide();  // shown after both start sliders: they come first in the Tab order
}

void MachineSettingsDialog::BuildSaveModeAndLocks() {
  saveMode_ = new QButtonGroup(this);
  for (int mode = 0; mode < 2; ++mode) {
    const Box& box = kSaveModes[mode];
    auto* radio = new QRadioButton(box.text.In(Language::Chinese), this);
    SetControlId(radio, box.id);
    radio->setGeometry(box.rect);
    saveMode_->addButton(radio, mode);
  }
  connect(saveMode_, &QButtonGroup::idClicked, this, [this](int mode) {
    Accessors().SetEditSetting(kSettingVolumeSaveMode, static_cast<uint8_t>(mode));
  });
  panelLock_ = MakeCheckBox(this, kPanelLock);
  connect(panelLock_, &QCheckBox::clicked, this, &MachineSettingsDialog::OnPanelLockClicked);
  for (int bit = 0; bit < static_cast<int>(lockBits_.size()); ++bit) {
    QCheckBox* box = MakeCheckBox(this, kLockBits[bit]);
    box->hide();
    connect(box, &QCheckBox::clicked, this,
            [this, bit](bool ticked) { Accessors().SetLockBit(bit, ticked); });
    lockBits_[static_cast<size_t>(bit)] = box;
  }
}

void MachineSettingsDialog::BuildButtons() {
  apply_ = MakeDialogButton(this, kApply.id, kApply.text.In(Language::Chinese), kApply.rect);
  connect(apply_, &ImageButton::clicked, this, &MachineSettingsDialog::Apply);
  cancel_ = MakeDialogButton(this, kCancel.id, kCancel.text.In(Language::Chinese), kCancel.rect);
  connect(cancel_, &ImageButton::clicked, this, &MachineSettingsDialog::reject);
}

void MachineSettingsDialog::ApplyLanguage(const LanguageTable& table, Language language) {
  ApplyDialogTexts(table, this, kDialogId);
  for (QCheckBox* box : findChildren<QCheckBox*>()) FitToText(box);
  for (const ChannelControls& c : channels_) FitToText(c.maximumCaption);
  for (Channel channel : {Channel::Mic, Channel::Music})
    if (!Controls(channel).enable->isChecked()) ShowStartInvalid(channel);
  ApplyTooltips(language);
}

// Tooltips, and the names screen readers give the sliders (their captions).
void MachineSettingsDialog::ApplyTooltips(Language language) {
  for (Channel channel : {Channel::Mic, Channel::Music}) {
    const ChannelLayout& layout = kChannelLayouts[static_cast<int>(channel)];
    ChannelControls& c = Controls(channel);
    c.start->setAccessibleName(c.startCaption->text());
    c.start->setToolTip(layout.startTip.In(language));
    c.startText->setToolTip(layout.startTip.In(language));
    c.enable->setToolTip(layout.enableTip.In(language));
    c.enable->setAccessibleName(c.startCaption->text() + QLatin1Char(' ') + c.enable->text());
    c.maximum->setAccessibleName(c.maximumCaption->text());
    c.maximum->setToolTip(layout.maximumTip.In(language));
    c.maximumText->setToolTip(layout.maximumTip.In(language));
  }
  for (int mode = 0; mode < 2; ++mode)
    saveMode_->button(mode)->setToolTip(kSaveModeTips[mode].In(language));
  panelLock_->setToolTip(kPanelLockTip.In(language));
  apply_->setToolTip(kApplyTip.In(language));
  apply_->setAccessibleName(apply_->text());
  cancel_->setToolTip(kCancelTip.In(language));
  cancel_->setAccessibleName(cancel_->text());
}

MachineSettingsDialog::ChannelControls& MachineSettingsDialog::Controls(Channel channel) {
  return channels_[static_cast<size_t>(channel)];
}
const MachineSettingsDialog::ChannelControls& MachineSettingsDialog::Controls(
    Channel channel) const {
  return channels_[static_cast<size_t>(channel)];
}

ParameterAccessors MachineSettingsDialog::Accessors() const {
  return ParameterAccessors(shell_.Image(), shell_.Link());
}

// --- reload ---

void MachineSettingsDialog::ReloadSettings() {
  const DeviceSettings settings = shell_.Image().deviceSettings;
  ReloadChannel(Channel::Mic, settings);
  ReloadChannel(Channel::Music, settings);
  const bool locked = settings[kSettingPanelLock] != 0;
  panelLock_->setChecked(locked);
  SetLockBoxesEnabled(locked);
  for (size_t bit = 0; bit < lockBits_.size(); ++bit)
    lockBits_[bit]->setChecked((settings[kSettingLockBits] >> bit) & 1u);
  saveMode_->button(settings[kSettingVolumeSaveMode] != 0 ? 1 : 0)->setChecked(true);
}

// The start slider's range follows the maximum before the start volume is placed, so the
// start slider never keeps a range from an earlier reload.
void MachineSettingsDialog::ReloadChannel(Channel channel, const DeviceSettings& settings) {
  const ChannelLayout& layout = kChannelLayouts[static_cast<int>(channel)];
  const ChannelControls& c = Controls(channel);
  const int maximum = SignedByte(settings[static_cast<size_t>(layout.maximumByte)]);
  c.maximum->SetValue(maximum);
  c.start->SetRange(kVolumeMinimum, c.maximum->Value());
  ShowVolume(c.maximumText, c.maximum, maximum);

  const uint8_t start = settings[static_cast<size_t>(layout.startByte)];
  const bool enabled = start != kStartVolumeDisabled;
  c.enable->setChecked(enabled);
  if (enabled) {
    c.start->SetValue(SignedByte(start));
    ShowVolume(c.startText, c.start, SignedByte(start));
  } else {
    ShowStartInvalid(channel);
  }
  SetStartEnabled(channel, enabled);
}

void MachineSettingsDialog::SetStartEnabled(Channel channel, bool enabled) {
  const ChannelControls& c = Controls(channel);
  c.startCaption->setEnabled(enabled);
  c.startText->setEnabled(enabled);
  c.start->SetSliderEnabled(enabled);
}

void MachineSettingsDialog::ShowStartInvalid(Channel channel) {
  const ChannelControls& c = Controls(channel);
  c.start->SetValue(0);
  c.startText->setText(kInvalid.In(shell_.InterfaceLanguage()));
  c.start->setAccessibleDescription(c.startText->text());
}

void MachineSettingsDialog::ShowVolume(QLabel* text, ImageSlider* slider, int dB) {
  text->setText(QString::number(dB + kShownVolumeOffset));
  slider->setAccessibleDescription(text->text());
}

// --- edits ---

void MachineSettingsDialog::OnSliderMoved(int controlId) {
  for (Channel channel : {Channel::Mic, Channel::Music}) {
    const ChannelControls& c = Controls(channel);
    if (controlId == c.start->ControlId()) OnStartMoved(channel, c.start->Value());
    if (controlId == c.maximum->ControlId()) OnMaximumMoved(channel, c.maximum->Value());
  }
}

// The machine plays the new start volume at once, so the user hears it.
void MachineSettingsDialog::OnStartMoved(Channel channel, int dB) {
  const ChannelLayout& layout = kChannelLayouts[static_cast<int>(channel)];
  ParameterAccessors accessors = Accessors();
  accessors.SetEditSetting(layout.startByte, ByteOf(dB));
  (accessors.*(layout.play))(dB);
  ShowVolume(Controls(channel).startText, Controls(channel).start, dB);
}

// A start volume never exceeds its maximum: lowering the maximum below it pulls it down. A
// disabled start volume only follows on the slider and stays disabled.
void MachineSettingsDialog::OnMaximumMoved(Channel channel, int dB) {
  const ChannelLayout& layout = kChannelLayouts[static_cast<int>(channel)];
  const ChannelControls& c = Controls(channel);
  Accessors().SetEditSetting(layout.maximumByte, ByteOf(dB));
  ShowVolume(c.maximumText, c.maximum, dB);
  const bool pulled = c.start->Value() > dB;
  c.start->SetRange(kVolumeMinimum, dB);
  if (pulled && c.enable->isChecked()) OnStartMoved(channel, dB);
}

void MachineSettingsDialog::OnEnableClicked(Channel channel, bool ticked) {
  const ChannelLayout& layout = kChannelLayouts[static_cast<int>(channel)];
  const ChannelControls& c = Controls(channel);
  if (ticked) {
    c.start->SetValue(shell_.Image().dsp.*(layout.volume));
    Accessors().SetEditSetting(layout.startByte, ByteOf(c.start->Value()));
    ShowVolume(c.startText, c.start, c.start->Value());
  } else {
    Accessors().SetEditSetting(layout.startByte, kStartVolumeDisabled);
    ShowStartInvalid(channel);
  }
  SetStartEnabled(channel, ticked);
}

void MachineSettingsDialog::OnPanelLockClicked(bool ticked) {
  Accessors().SetEditSetting(kSettingPanelLock, ticked ? 1 : 0);
  SetLockBoxesEnabled(ticked);
}

void MachineSettingsDialog::SetLockBoxesEnabled(bool enabled) {
  for (QCheckBox* box : lockBits_) box->setEnabled(enabled);
}

void MachineSettingsDialog::Apply() {
  Accessors().ApplyDeviceSettings();
  shell_.ShowInfo(kApplied.In(shell_.InterfaceLanguage()), kAppliedMessageMs);
}

// Cancel, Escape and the close box: the unapplied edits are dropped.
void MachineSettingsDialog::reject() {
  Accessors().ResetEditSettings();
  QDialog::reject();
  emit Closed();
}

// Enter does nothing here.
void MachineSettingsDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void MachineSettingsDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  DrawSliderFocus(painter, this);
}

// --- inspection ---

ImageSlider* MachineSettingsDialog::StartSlider(Channel channel) const {
  return Controls(channel).start;
}
ImageSlider* MachineSettingsDialog::MaximumSlider(Channel channel) const {
  return Controls(channel).maximum;
}
QCheckBox* MachineSettingsDialog::EnableBox(Channel channel) const {
  return Controls(channel).enable;
}
QString MachineSettingsDialog::StartText(Channel channel) const {
  return Controls(channel).startText->text();
}
QString MachineSettingsDialog::MaximumText(Channel channel) const {
  return Controls(channel).maximumText->text();
}
QRadioButton* MachineSettingsDialog::SaveModeButton(int mode) const {
  return qobject_cast<QRadioButton*>(saveMode_->button(mode));
}

}  // namespace v7
