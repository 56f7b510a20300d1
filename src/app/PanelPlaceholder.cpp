#include "app/PanelPlaceholder.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "i18n/TextPair.h"
#include "ui/dialogs/DialogStyle.h"

namespace v7 {

namespace {

constexpr std::array<TextPair, 6> kPageNames{{{"话筒", "Mic"},
                                              {"音乐", "Music"},
                                              {"回声", "Echo"},
                                              {"主音箱", "Main"},
                                              {"中置", "Center"},
                                              {"超低", "Sub"}}};
constexpr int kNamePixels = 28;

}  // namespace

PanelPlaceholder::PanelPlaceholder(QWidget* view) : QWidget(view) {
  setProperty("dialogId", kDialogId);
  ApplyDialogBackground(this);
  name_ = new QLabel(this);
  name_->setAlignment(Qt::AlignCenter);
  name_->setFont(SongTiFont(kNamePixels));
  name_->setStyleSheet(QStringLiteral("color: #6d8fb8;"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(name_);
}

void PanelPlaceholder::SetPage(int page, Language language) {
  page_ = std::clamp(page, 0, static_cast<int>(kPageNames.size()) - 1);
  name_->setText(kPageNames[page_].In(language));
}

}  // namespace v7
