// The application menu that drops from the round application button: the file commands on the
// left, the recent-file list on the right and the exit command along the bottom.
#pragma once

#include <QFrame>
#include <QStringList>

class QVBoxLayout;
class QLabel;

namespace v7 {

class RibbonButton;

class RibbonAppMenu : public QFrame {
  Q_OBJECT

 public:
  explicit RibbonAppMenu(QWidget* parent = nullptr);

  void addCommand(int id, const QString& text, const QPixmap& picture);
  void setExitCommand(int id, const QString& text, const QPixmap& picture);
  void setRecentTitle(const QString& title);
  QString recentTitle() const;
  void setRecentFiles(const QStringList& paths);
  QStringList recentFiles() const { return recentFiles_; }
  QList<RibbonButton*> recentButtons() const;

 signals:
  void command(int id);
  void recentFileChosen(const QString& path);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  RibbonButton* makeEntry(int id, const QString& text, const QPixmap& picture);

  QVBoxLayout* commands_;
  QVBoxLayout* recent_;
  QVBoxLayout* bottom_;
  QLabel* recentTitle_;
  QStringList recentFiles_;
  QList<RibbonButton*> recentButtons_;
};

}  // namespace v7
