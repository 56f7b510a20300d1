#include "ui/panels/BandTable.h"

#include <QHeaderView>
#include <array>
#include <cmath>

#include "ui/dialogs/DialogStyle.h"
#include "ui/panels/BandTableModel.h"
#include "ui/panels/BandTexts.h"
#include "ui/panels/BandTypeDelegate.h"

namespace v7 {

namespace {

// Pixels, index = column; the label column is hidden.
constexpr std::array<int, BandTableModel::kColumnCount> kColumnWidths = {0, 30, 55, 60, 60, 50};
// Small enough that "12000Hz" and "-15.0dB" fit their 60-pixel columns.
constexpr int kCellFontPixels = 11;

}  // namespace

BandTable::BandTable(QWidget* parent)
    : QTableView(parent),
      model_(new BandTableModel(this)),
      typeDelegate_(new BandTypeDelegate(this)) {
  SetControlId(this, kControlId);
  setModel(model_);
  setItemDelegateForColumn(BandTableModel::kTypeColumn, typeDelegate_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  setTabKeyNavigation(false);
  verticalHeader()->hide();
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  horizontalHeader()->setHighlightSections(false);
  setWordWrap(false);
  QFont cellFont = font();
  cellFont.setPixelSize(kCellFontPixels);
  setFont(cellFont);
  const int rowHeight = static_cast<int>(std::lround(fontMetrics().height() * kCellMarginFactor));
  verticalHeader()->setMinimumSectionSize(rowHeight);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  connect(model_, &BandTableModel::CellEdited, this, &BandTable::CellEdited);
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { emit RowHighlighted(current.row()); });
  connect(this, &QAbstractItemView::activated, this,
          [this](const QModelIndex& index) { emit RowChosen(index.row()); });
}

void BandTable::Rebuild(int bands, Language language) {
  typeDelegate_->SetLanguage(language);
  model_->Rebuild(bands, language);
  setColumnHidden(BandTableModel::kLabelColumn, true);
  SetColumnWidths();
  setAccessibleName(band::kTableName.In(language));
  setToolTip(band::kTableTip.In(language));
}

void BandTable::SetColumnWidths() {
  for (int column = BandTableModel::kNumberColumn; column < BandTableModel::kColumnCount; ++column)
    setColumnWidth(column, kColumnWidths[static_cast<size_t>(column)]);
}

void BandTable::ApplyColours(const QColor& text, const QColor& background) {
  model_->SetColours(text, background);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, background);
  colours.setColor(QPalette::Text, text);
  setPalette(colours);
  viewport()->update();
}

void BandTable::SelectRow(int row) {
  const QModelIndex at = model_->index(row, BandTableModel::kNumberColumn);
  if (!at.isValid()) return;
  selectionModel()->setCurrentIndex(
      at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(at);
}

}  // namespace v7
