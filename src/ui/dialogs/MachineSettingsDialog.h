#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "i18n/Language.h"
#include "params/ParameterImage.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;

namespace v7 {

class ImageButton;
class ImageSlider;
class LanguageTable;
class ParameterAccessors;
class ShellOperations;

// The machine settings (F7): start-up and maximum volumes of mic and music, the volume save
// mode and the front-panel lock. Edits go to the image's editSettings; Apply sends them to the
// machine. Moving a start volume plays it at once. Modeless; closing it in any way drops the
// unapplied edits and deletes it.
class MachineSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 335;
  static constexpr int kApplyId = 1073;
  static constexpr int kCancelId = 2;
  static constexpr int kByPowerId = 1190;
  static constexpr int kByModeId = 1191;
  static constexpr int kPanelLockId = 1046;
  static constexpr int kVolumeMinimum = -80;
  static constexpr int kVolumeMaximum = 5;
  static constexpr int kShownVolumeOffset = 80;  // the texts show 0..85
  static constexpr int kAppliedMessageMs = 1100;

  enum class Channel { Mic = 0, Music = 1 };

  MachineSettingsDialog(ShellOperations& shell, QWidget* parent);

  // Every control from the machine's settings (deviceSettings); editSettings stays as it is.
  void ReloadSettings();
  void ApplyLanguage(const LanguageTable& table, Language language);

  // What the controls show, for tests and screen readers alike.
  ImageSlider* StartSlider(Channel channel) const;
  ImageSlider* MaximumSlider(Channel channel) const;
  QCheckBox* EnableBox(Channel channel) const;
  QString StartText(Channel channel) const;
  QString MaximumText(Channel channel) const;
  QRadioButton* SaveModeButton(int mode) const;  // 0 by power, 1 by mode
  QCheckBox* PanelLockBox() const { return panelLock_; }
  // The hidden boxes that carry the lock bits, bit 0 first.
  QCheckBox* LockBitBox(int bit) const { return lockBits_[static_cast<size_t>(bit)]; }
  ImageButton* ApplyButton() const { return apply_; }
  ImageButton* CancelButton() const { return cancel_; }

 signals:
  // The dialog was closed without applying; the ribbon shows the image's volumes again.
  void Closed();

 public slots:
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  struct ChannelControls {
    QLabel* startCaption = nullptr;
    QLabel* startText = nullptr;
    ImageSlider* start = nullptr;
    QCheckBox* enable = nullptr;
    QLabel* maximumCaption = nullptr;
    QLabel* maximumText = nullptr;
    ImageSlider* maximum = nullptr;
  };

  void BuildChannel(Channel channel);
  void BuildSaveModeAndLocks();
  void BuildButtons();
  void ApplyTooltips(Language language);
  ChannelControls& Controls(Channel channel);
  const ChannelControls& Controls(Channel channel) const;

  void ReloadChannel(Channel channel, const DeviceSettings& settings);
  void SetStartEnabled(Channel channel, bool enabled);
  void ShowStartInvalid(Channel channel);
  void ShowVolume(QLabel* text, ImageSlider* slider, int dB);
  void OnSliderMoved(int controlId);
  void OnStartMoved(Channel channel, int dB);
  void OnMaximumMoved(Channel channel, int dB);
  void OnEnableClicked(Channel channel, bool ticked);
  void OnPanelLockClicked(bool ticked);
  void SetLockBoxesEnabled(bool enabled);
  void Apply();
  ParameterAccessors Accessors() const;

  ShellOperations& shell_;
  std::array<ChannelControls, 2> channels_;
  QButtonGroup* saveMode_ = nullptr;
  QCheckBox* panelLock_ = nullptr;
  std::array<QCheckBox*, 8> lockBits_{};
  ImageButton* apply_ = nullptr;
  ImageButton* cancel_ = nullptr;
};

}  // namespace v7
