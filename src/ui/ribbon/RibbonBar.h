// The command bar across the top of the main window: the round application button with its menu,
// a row of tabs whose pages hold titled groups of elements, and a few buttons at the right end of
// the tab row. Every element carries its identifier as the "controlId" property; elements that
// issue commands show and trigger their actions. The bar never minimises, ignores the wheel (it
// hands it on with WheelTurned()) and swallows right clicks and double clicks on its tabs.
#pragma once

#include <QList>
#include <QMultiHash>
#include <QWidget>

class QStackedWidget;

namespace v7 {

class RibbonAppButton;
class RibbonAppMenu;
class RibbonButton;
class RibbonGroup;
class RibbonStepSlider;

class RibbonBar : public QWidget {
  Q_OBJECT

 public:
  explicit RibbonBar(QWidget* parent = nullptr);

  // Building. Actions with a shortcut should be added to the bar (QWidget::addAction).
  RibbonAppMenu* AppMenu() const { return appMenu_; }
  int AddTab(const QString& title);
  RibbonGroup* AddGroup(int tab, const QString& title);
  RibbonButton* AddButton(RibbonGroup* group, RibbonButton* button);
  RibbonStepSlider* AddSlider(RibbonGroup* group, RibbonStepSlider* slider);
  RibbonButton* AddTabRowButton(RibbonButton* button);

  // Tabs and groups.
  int ActiveTab() const { return activeTab_; }
  QString TabTitle(int tab) const;
  void SetActiveTab(int tab);
  void SetTabTitle(int tab, const QString& title);
  RibbonGroup* Group(int tab, int index) const;
  QRect GroupScreenRect(int tab, int index) const;
  QRect TabRect(int tab) const;

  // Elements, by identifier; an identifier used on both tabs addresses both elements.
  QList<RibbonButton*> Buttons(int id) const;
  RibbonButton* Button(int id) const;
  RibbonStepSlider* Slider(int id) const;
  QString ElementText(int id) const;
  void SetElementText(int id, const QString& text);
  bool IsChecked(int id) const;
  int SliderPosition(int id) const;
  void SetSliderPosition(int id, int position);
  // Recomputes element widths from their current texts and repaints.
  void RecalcLayout();
  void OpenAppMenu();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void RecentFileChosen(const QString& path);
  // Just before the application menu drops: the moment to bring its recent-file list up to date.
  void AppMenuAboutToShow();
  void ActiveTabChanged(int tab);
  void WheelTurned(const QPoint& globalPosition, int delta);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  int TabAt(const QPoint& point) const;
  void AddTabKeys();
  void StepTab(int step);
  void PlaceTabRowButtons();
  void PaintTab(QPainter& painter, int tab) const;
  QRect BodyRect() const;

  RibbonAppButton* appButton_;
  RibbonAppMenu* appMenu_;
  QStackedWidget* pages_;
  QStringList tabTitles_;
  QList<QList<RibbonGroup*>> groups_;
  QList<RibbonButton*> tabRowButtons_;
  QMultiHash<int, RibbonButton*> buttons_;
  QHash<int, RibbonStepSlider*> sliders_;
  int activeTab_ = -1;
  int hoveredTab_ = -1;
};

}  // namespace v7
