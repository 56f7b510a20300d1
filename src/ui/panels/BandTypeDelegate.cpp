#include "ui/panels/BandTypeDelegate.h"

#include <QComboBox>

#include "ui/panels/BandTexts.h"

namespace v7 {

BandTypeDelegate::BandTypeDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* BandTypeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex&) const {
  auto* combo = new QComboBox(parent);
  for (int type = static_cast<int>(FilterType::Peq); type <= static_cast<int>(FilterType::Hs);
       ++type)
    combo->addItem(band::TypeName(static_cast<FilterType>(type), language_), type - 1);
  combo->setMaxVisibleItems(kMaxVisibleItems);
  combo->setAccessibleName(band::kHeadings[2].In(language_));
  // A choice ends the edit at once, as a drop-down list does.
  connect(combo, &QComboBox::activated, this, [this, combo] {
    auto* self = const_cast<BandTypeDelegate*>(this);
    emit self->commitData(combo);
    emit self->closeEditor(combo);
  });
  return combo;
}

void BandTypeDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* combo = static_cast<QComboBox*>(editor);
  const int found = combo->findText(index.data(Qt::EditRole).toString());
  combo->setCurrentIndex(std::max(found, 0));
}

void BandTypeDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
  model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
}

}  // namespace v7
