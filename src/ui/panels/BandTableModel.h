// The rows of the band table: one per band of the shown page, every cell held as the text the
// user sees. An edit by the user stores the text and then reports row, column and text.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <array>
#include <vector>

#include "i18n/Language.h"

namespace v7 {

class BandTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Column 0 is hidden and holds the band number as the row's label.
  enum Column { kLabelColumn, kNumberColumn, kTypeColumn, kGainColumn, kFrequencyColumn, kQColumn };
  static constexpr int kColumnCount = 6;

  explicit BandTableModel(QObject* parent = nullptr);

  // `bands` rows with their numbers and placeholder values, headings in `language`.
  void Rebuild(int bands, Language language);
  void SetColours(const QColor& text, const QColor& background);
  // Writes a cell without reporting it as an edit.
  void SetCell(int row, int column, const QString& text);
  QString Cell(int row, int column) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 signals:
  void CellEdited(int row, int column, const QString& text);

 private:
  QString AccessibleText(int row, int column) const;

  std::vector<std::array<QString, kColumnCount>> cells_;
  Language language_ = Language::Chinese;
  QColor text_;
  QColor background_;
};

}  // namespace v7
