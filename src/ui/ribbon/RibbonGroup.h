// A titled group of ribbon elements. Small elements fill columns of three rows, a large element
// takes a whole column; the title sits in a band along the bottom of the rounded frame.
#pragma once

#include <QWidget>

class QGridLayout;

namespace v7 {

class RibbonGroup : public QWidget {
  Q_OBJECT

 public:
  explicit RibbonGroup(const QString& title, QWidget* parent = nullptr);

  QString Title() const { return title_; }
  void SetTitle(const QString& title);
  void AddSmall(QWidget* element);
  void AddLarge(QWidget* element);

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void StartNewColumn();
  QRect TitleBand() const;

  QString title_;
  QGridLayout* grid_;
  int row_ = 0;
  int column_ = 0;
};

}  // namespace v7
