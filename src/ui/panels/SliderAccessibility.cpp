#include "ui/panels/SliderAccessibility.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QVariant>

#include "ui/widgets/ImageSlider.h"

namespace v7 {

namespace {

constexpr char kValueTextProperty[] = "accessibleValueText";

class AccessibleImageSlider : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit AccessibleImageSlider(ImageSlider* slider)
      : QAccessibleWidget(slider, QAccessible::Slider) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return widget()->property(kValueTextProperty).toString();
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (!Slider()->IsSliderEnabled()) s.disabled = true;
    return s;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // The value changes through the keyboard, so that the window hears of every move.
  QVariant currentValue() const override { return Slider()->Value(); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return Slider()->Maximum(); }
  QVariant minimumValue() const override { return Slider()->Minimum(); }
  QVariant minimumStepSize() const override { return 1; }

 private:
  ImageSlider* Slider() const { return static_cast<ImageSlider*>(widget()); }
};

QAccessibleInterface* SliderFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(ImageSlider::staticMetaObject.className())) return nullptr;
  auto* slider = qobject_cast<ImageSlider*>(object);
  return slider != nullptr ? new AccessibleImageSlider(slider) : nullptr;
}

}  // namespace

void InstallSliderAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(SliderFactory);
    return true;
  }();
  (void)installed;
}

void SetAccessibleValueText(QWidget* slider, const QString& text) {
  if (slider->property(kValueTextProperty).toString() == text) return;
  slider->setProperty(kValueTextProperty, text);
  QAccessibleValueChangeEvent event(slider, text);
  QAccessible::updateAccessibility(&event);
}

}  // namespace v7
