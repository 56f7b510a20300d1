// The command bar across the top of the main window: the round application button with its menu,
// a row of tabs whose pages hold titled groups of elements, and a few buttons at the right end of
// the tab row. Every element carries its command identifier as the "controlId" property and
// reports use through command(). The bar never minimises, ignores the wheel (it hands it on with
// wheelTurned()) and swallows right clicks and double clicks on its tabs.
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

  // Building.
  RibbonAppMenu* appMenu() const { return appMenu_; }
  int addTab(const QString& title);
  RibbonGroup* addGroup(int tab, const QString& title);
  RibbonButton* addButton(RibbonGroup* group, RibbonButton* button);
  RibbonStepSlider* addSlider(RibbonGroup* group, RibbonStepSlider* slider);
  RibbonButton* addTabRowButton(RibbonButton* button);
  void addShortcut(const QKeySequence& keys, int id);

  // Tabs and groups.
  int tabCount() const { return tabTitles_.size(); }
  int activeTab() const { return activeTab_; }
  QString activeTabTitle() const;
  QString tabTitle(int tab) const;
  void setActiveTab(int tab);
  void setTabTitle(int tab, const QString& title);
  RibbonGroup* group(int tab, int index) const;
  QRect groupScreenRect(int tab, int index) const;
  QRect tabRect(int tab) const;

  // Elements, by identifier; an identifier used on both tabs addresses both elements.
  QList<RibbonButton*> buttons(int id) const;
  RibbonButton* button(int id) const;
  RibbonStepSlider* slider(int id) const;
  QString elementText(int id) const;
  void setElementText(int id, const QString& text);
  bool isChecked(int id) const;
  void setChecked(int id, bool checked);
  void setElementEnabled(int id, bool enabled);
  int sliderPosition(int id) const;
  void setSliderPosition(int id, int position);
  // Recomputes element widths from their current texts and repaints.
  void recalcLayout();
  void openAppMenu();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void command(int id, int value);
  void recentFileChosen(const QString& path);
  // Just before the application menu drops: the moment to bring its recent-file list up to date.
  void appMenuAboutToShow();
  void activeTabChanged(int tab);
  void wheelTurned(const QPoint& globalPosition, int delta);

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
  int tabAt(const QPoint& point) const;
  void placeTabRowButtons();
  void paintTab(QPainter& painter, int tab) const;
  QRect bodyRect() const;

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
