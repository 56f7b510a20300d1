#include "ui/ribbon/RibbonAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/ribbon/RibbonButton.h"
#include "ui/ribbon/RibbonStepSlider.h"

namespace v7 {

namespace {

class ElementInterface : public QAccessibleWidget {
 public:
  explicit ElementInterface(RibbonButton* button)
      : QAccessibleWidget(button, RoleOf(button)), button_(button) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    if (button_->ElementKind() == RibbonButton::Kind::Check) {
      state.checkable = true;
      state.checked = button_->IsTicked();
    }
    return state;
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && button_->accessibleName().isEmpty())
      return button_->PlainText();
    return QAccessibleWidget::text(kind);
  }

  QStringList actionNames() const override {
    if (role() == QAccessible::StaticText) return {};
    return {role() == QAccessible::CheckBox ? toggleAction() : pressAction()};
  }

  void doAction(const QString& name) override {
    if (name == pressAction() || name == toggleAction()) button_->click();
  }

 private:
  static QAccessible::Role RoleOf(const RibbonButton* button) {
    if (button->ElementKind() == RibbonButton::Kind::Check) return QAccessible::CheckBox;
    if (button->focusPolicy() == Qt::NoFocus) return QAccessible::StaticText;
    return QAccessible::Button;
  }

  RibbonButton* button_;
};

class SliderInterface : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit SliderInterface(RibbonStepSlider* slider)
      : QAccessibleWidget(slider, QAccessible::Slider), slider_(slider) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return QString::number(slider_->Position());
    return QAccessibleWidget::text(kind);
  }

  QVariant currentValue() const override { return slider_->Position(); }
  void setCurrentValue(const QVariant& value) override {
    slider_->SetPosition(value.toInt());
    slider_->IssueCommand();
  }
  QVariant maximumValue() const override { return slider_->Maximum(); }
  QVariant minimumValue() const override { return slider_->Minimum(); }
  QVariant minimumStepSize() const override { return 1; }

 private:
  RibbonStepSlider* slider_;
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("v7::RibbonButton"))
    return new ElementInterface(static_cast<RibbonButton*>(object));
  if (className == QLatin1String("v7::RibbonStepSlider"))
    return new SliderInterface(static_cast<RibbonStepSlider*>(object));
  return nullptr;
}

}  // namespace

void RibbonAccessibility::Install() {
  static const bool installed = [] {
    QAccessible::installFactory(MakeInterface);
    return true;
  }();
  (void)installed;
}

}  // namespace v7
