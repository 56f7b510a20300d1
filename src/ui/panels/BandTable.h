// The band table: one row per band with number, type, gain, frequency and Q, edited in place
// (double click, F2 or typing; Enter commits, Escape cancels). Enter on a row that is not
// being edited opens that band in the single-band editor.
#pragma once

#include <QTableView>

#include "i18n/Language.h"

namespace v7 {

class BandTableModel;
class BandTypeDelegate;

class BandTable : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kControlId = 1139;
  // Row height over the font height.
  static constexpr double kCellMarginFactor = 1.2;

  explicit BandTable(QWidget* parent = nullptr);

  BandTableModel& Model() const { return *model_; }
  // Empties the table and fills it with `bands` numbered rows, headings in `language`.
  void Rebuild(int bands, Language language);
  void ApplyColours(const QColor& text, const QColor& background);
  // Selects `row` alone, makes it current and scrolls it into view.
  void SelectRow(int row);

 signals:
  // The user finished editing a cell; the text is already stored.
  void CellEdited(int row, int column, const QString& text);
  // The user moved to a row from the keyboard or the mouse.
  void RowHighlighted(int row);
  // Enter or a double click outside the editable cells.
  void RowChosen(int row);

 private:
  void SetColumnWidths();

  BandTableModel* model_;
  BandTypeDelegate* typeDelegate_;
};

}  // namespace v7
