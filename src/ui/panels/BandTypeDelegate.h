// The band table's Type cell editor: a drop-down list of the five filter types that have a
// curve (PEQ, LP, HP, LS, HS) in the current language; "off" cannot be chosen here.
#pragma once

#include <QStyledItemDelegate>

#include "i18n/Language.h"

namespace v7 {

class BandTypeDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  static constexpr int kMaxVisibleItems = 7;

  explicit BandTypeDelegate(QObject* parent = nullptr);

  void SetLanguage(Language language) { language_ = language; }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 private:
  Language language_ = Language::Chinese;
};

}  // namespace v7
