#include "ui/panels/BandTableModel.h"

#include "ui/panels/BandTexts.h"

namespace v7 {

namespace {

// Shown until the bands are loaded, which follows every rebuild at once.
constexpr std::array<int, 10> kPlaceholderHz = {20, 25, 31, 40, 50, 63, 80, 100, 125, 160};
constexpr char kPlaceholderGain[] = "0.0dB";
constexpr char kPlaceholderQ[] = "1.414";

bool IsEditable(int column) {
  return column >= BandTableModel::kTypeColumn && column <= BandTableModel::kQColumn;
}

}  // namespace

BandTableModel::BandTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void BandTableModel::Rebuild(int bands, Language language) {
  beginResetModel();
  language_ = language;
  cells_.assign(static_cast<size_t>(bands), {});
  for (size_t i = 0; i < cells_.size(); ++i) {
    auto& row = cells_[i];
    const QString number = QString::number(i + 1);
    row[kLabelColumn] = number;
    row[kNumberColumn] = number;
    row[kTypeColumn] = band::TypeName(FilterType::Peq, language);
    row[kGainColumn] = QString::fromLatin1(kPlaceholderGain);
    row[kFrequencyColumn] = QString::asprintf("%dHz", kPlaceholderHz[i % kPlaceholderHz.size()]);
    row[kQColumn] = QString::fromLatin1(kPlaceholderQ);
  }
  endResetModel();
}

void BandTableModel::SetColours(const QColor& text, const QColor& background) {
  text_ = text;
  background_ = background;
  if (!cells_.empty())
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1),
                     {Qt::ForegroundRole, Qt::BackgroundRole});
}

void BandTableModel::SetCell(int row, int column, const QString& text) {
  if (row < 0 || row >= rowCount() || column < 0 || column >= kColumnCount) return;
  auto& cell = cells_[static_cast<size_t>(row)][static_cast<size_t>(column)];
  if (cell == text) return;
  cell = text;
  const QModelIndex at = index(row, column);
  emit dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole, Qt::AccessibleTextRole});
}

QString BandTableModel::Cell(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= kColumnCount) return {};
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

int BandTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int BandTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant BandTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return Cell(index.row(), index.column());
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::ForegroundRole:
      return text_.isValid() ? QVariant(text_) : QVariant();
    case Qt::BackgroundRole:
      return background_.isValid() ? QVariant(background_) : QVariant();
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
      return AccessibleText(index.row(), index.column());
    case Qt::UserRole:  // the band index
      return index.row();
    default:
      return {};
  }
}

QString BandTableModel::AccessibleText(int row, int column) const {
  const QString bandName = band::kBandName.In(language_).arg(row + 1);
  if (!IsEditable(column)) return bandName;
  return QStringLiteral("%1, %2, %3")
      .arg(bandName, band::kHeadings[static_cast<size_t>(column)].In(language_), Cell(row, column));
}

QVariant BandTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
  if (role == Qt::DisplayRole) return band::kHeadings[static_cast<size_t>(section)].In(language_);
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
  return {};
}

Qt::ItemFlags BandTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (IsEditable(index.column())) result |= Qt::ItemIsEditable;
  return result;
}

// Every end of an edit is reported, also when the text stayed the same: the panel then sends
// the band again, as the user asked.
bool BandTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || !IsEditable(index.column())) return false;
  const QString text = value.toString();
  cells_[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())] = text;
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole, Qt::AccessibleTextRole});
  emit CellEdited(index.row(), index.column(), text);
  return true;
}

}  // namespace v7
