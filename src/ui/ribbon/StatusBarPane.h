// A status bar pane that draws its text in a colour of its own, at a width given in spaces.
#pragma once

#include <QWidget>

namespace v7 {

class StatusBarPane : public QWidget {
  Q_OBJECT

 public:
  StatusBarPane(int controlId, int widthInSpaces, Qt::Alignment alignment,
                QWidget* parent = nullptr);

  QString Text() const { return text_; }
  void SetText(const QString& text);
  QColor TextColour() const { return colour_; }
  void SetTextColour(const QColor& colour);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QString text_;
  QColor colour_{255, 0, 0};
  int widthInSpaces_;
  Qt::Alignment alignment_;
};

}  // namespace v7
