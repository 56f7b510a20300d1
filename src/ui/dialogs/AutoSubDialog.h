#pragma once

#include <QDialog>
#include <array>

#include "controllers/AutoSubBinding.h"
#include "i18n/Language.h"

class QLabel;

namespace v7 {

class ImageSlider;
class LanguageTable;
class ShellOperations;

// The mic-controlled subwoofer: restore time, ratio and sensitivity, each sent to the machine
// as soon as its slider moves. Modeless, no Apply or Cancel; closing deletes it.
class AutoSubDialog : public QDialog, private AutoSubView {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 410;

  AutoSubDialog(ShellOperations& shell, QWidget* parent);

  // The sliders and labels from the image.
  void LoadAutoSubSliders();
  void ApplyLanguage(const LanguageTable& table, Language language);

  ImageSlider* Slider(AutoSubControl control) const;
  QString LabelText(AutoSubControl control) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  struct Row {
    QLabel* caption = nullptr;
    ImageSlider* slider = nullptr;
    QLabel* value = nullptr;
  };

  void SetAutoSubSlider(AutoSubControl control, int position) override;
  void SetAutoSubLabel(AutoSubControl control, const QString& text) override;
  void OnSliderMoved(int controlId);
  void ApplyTooltips(Language language);
  Row& RowOf(AutoSubControl control) { return rows_[static_cast<size_t>(control)]; }
  const Row& RowOf(AutoSubControl control) const { return rows_[static_cast<size_t>(control)]; }

  ShellOperations& shell_;
  std::array<Row, kAutoSubControlCount> rows_;
};

}  // namespace v7
