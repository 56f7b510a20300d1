// The application menu that drops from the round application button: the file commands on the
// left, the recent-file list on the right and the exit command along the bottom. It opens with
// the focus on its first entry; Up and Down move among the entries, and a mnemonic letter or a
// recent file's number presses its entry.
#pragma once

#include <QFrame>
#include <QStringList>

class QAction;
class QLabel;
class QVBoxLayout;

namespace v7 {

class RibbonButton;

class RibbonAppMenu : public QFrame {
  Q_OBJECT

 public:
  explicit RibbonAppMenu(QWidget* parent = nullptr);

  // Entries showing a command's action; `controlId` names the element.
  void AddCommand(int controlId, QAction* action, const QPixmap& picture);
  void SetExitCommand(int controlId, QAction* action, const QPixmap& picture);
  void SetRecentTitle(const QString& title);
  QString RecentTitle() const;
  void SetRecentFiles(const QStringList& paths);
  QStringList RecentFiles() const { return recentFiles_; }
  QList<RibbonButton*> RecentButtons() const;
  // Every entry in the order the arrow keys visit them.
  QList<RibbonButton*> Entries() const;

 signals:
  void RecentFileChosen(const QString& path);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  RibbonButton* MakeEntry(int controlId, QAction* action, const QPixmap& picture);
  void MoveFocus(int step);
  RibbonButton* EntryWithMnemonic(const QString& key) const;

  QVBoxLayout* commands_;
  QVBoxLayout* recent_;
  QVBoxLayout* bottom_;
  QLabel* recentTitle_;
  QStringList recentFiles_;
  QList<RibbonButton*> commandButtons_;
  QList<RibbonButton*> recentButtons_;
  RibbonButton* exitButton_ = nullptr;
};

}  // namespace v7
