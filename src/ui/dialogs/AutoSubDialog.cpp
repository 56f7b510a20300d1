#include "ui/dialogs/AutoSubDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "controllers/ShellOperations.h"
#include "edit/ParameterAccessors.h"
#include "i18n/LanguageTables.h"
#include "i18n/TextPair.h"
#include "link/DeviceLink.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogStyle.h"
#include "ui/dialogs/DialogUnits.h"
#include "ui/widgets/ImageSlider.h"

namespace v7 {

namespace {

constexpr TextPair kTitle{"话筒控超低", "Auto sub"};
// Built-in texts before the language table replaces them.
constexpr char kBuiltInCaption[] = "超低比例";
constexpr char kBuiltInValue[] = "0";

struct RowLayout {
  int captionId;
  QRect caption;
  QRect slider;
  QRect value;
  TextPair tip;
};

// In the order of AutoSubControl.
const RowLayout kRows[kAutoSubControlCount] = {
    {1123,
     DluRect(30, 13, 100, 10),
     DluRect(30, 24, 87, 14),
     DluRect(120, 25, 24, 11),
     {"话筒无声后，超低音恢复原音量所用的时间；0 关闭此功能",
      "Time until the subwoofer is restored once the mics fall silent; 0 switches it off"}},
    {1124,
     DluRect(30, 43, 100, 10),
     DluRect(30, 55, 87, 14),
     DluRect(120, 56, 24, 11),
     {"话筒有声时超低音降低的比例", "How far the subwoofer is turned down while somebody sings"}},
    {1125,
     DluRect(30, 76, 100, 10),
     DluRect(30, 89, 87, 14),
     DluRect(120, 91, 24, 11),
     {"话筒声音超过此电平时超低音降低", "The mic level above which the subwoofer is turned down"}},
};

}  // namespace

AutoSubDialog::AutoSubDialog(ShellOperations& shell, QWidget* parent)
    : QDialog(parent), shell_(shell) {
  setWindowTitle(kTitle.In(Language::Chinese));
  setFixedSize(DluToPixelsX(181), DluToPixelsY(122));
  setAttribute(Qt::WA_DeleteOnClose);
  ApplyDialogBackground(this);
  ApplyDialogFont(this);
  for (const AutoSubControlInfo& info : AutoSubControls()) {
    const RowLayout& layout = kRows[static_cast<size_t>(info.control)];
    Row& row = RowOf(info.control);
    row.caption =
        MakeDialogLabel(this, layout.captionId, QString::fromUtf8(kBuiltInCaption), layout.caption);
    row.slider = MakeDialogSlider(this, info.sliderId, layout.slider, info.minimum, info.maximum);
    row.value = MakeDialogLabel(this, info.labelId, QString::fromUtf8(kBuiltInValue), layout.value);
    row.value->setAlignment(Qt::AlignCenter);
    connect(row.slider, &ImageSlider::ValueChanged, this,
            [this](int id, int) { OnSliderMoved(id); });
  }
  LoadAutoSubSliders();
  ApplyTooltips(shell_.InterfaceLanguage());
}

void AutoSubDialog::LoadAutoSubSliders() {
  v7::LoadAutoSubSliders(shell_.Image().autoSub, shell_.InterfaceLanguage(), *this);
}

void AutoSubDialog::ApplyLanguage(const LanguageTable& table, Language language) {
  ApplyDialogTexts(table, this, kDialogId);
  ApplyTooltips(language);
}

void AutoSubDialog::ApplyTooltips(Language language) {
  for (const AutoSubControlInfo& info : AutoSubControls()) {
    const Row& row = RowOf(info.control);
    const QString tip = kRows[static_cast<size_t>(info.control)].tip.In(language);
    row.slider->setToolTip(tip);
    row.value->setToolTip(tip);
    row.slider->setAccessibleName(row.caption->text());
  }
}

void AutoSubDialog::SetAutoSubSlider(AutoSubControl control, int position) {
  RowOf(control).slider->SetValue(position);
}

void AutoSubDialog::SetAutoSubLabel(AutoSubControl control, const QString& text) {
  RowOf(control).value->setText(text);
  RowOf(control).slider->setAccessibleDescription(text);
}

void AutoSubDialog::OnSliderMoved(int controlId) {
  if (const auto control = AutoSubControlForSlider(controlId)) {
    ParameterAccessors accessors(shell_.Image(), shell_.Link());
    MoveAutoSubSlider(accessors, *control, RowOf(*control).slider->Value());
  }
  UpdateAutoSubLabels(shell_.Image().autoSub, shell_.InterfaceLanguage(), *this);
}

// Enter does nothing; Escape and the close box close it.
void AutoSubDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// A wheel turn anywhere in the dialog steps the slider that has the focus.
void AutoSubDialog::wheelEvent(QWheelEvent* event) {
  if (auto* slider = qobject_cast<ImageSlider*>(focusWidget())) {
    QApplication::sendEvent(slider, event);
    return;
  }
  QDialog::wheelEvent(event);
}

ImageSlider* AutoSubDialog::Slider(AutoSubControl control) const {
  return RowOf(control).slider;
}

QString AutoSubDialog::LabelText(AutoSubControl control) const {
  return RowOf(control).value->text();
}

}  // namespace v7
