#include "ui/panels/PageButtons.h"

#include <array>

#include "params/ParameterImage.h"
#include "ui/panels/ChannelPanelLayout.h"
#include "ui/panels/PanelTexts.h"
#include "ui/widgets/ImageButton.h"

namespace v7 {

namespace {

struct ButtonSpec {
  int id;
  int page;
  Language language;
  int place;  // 0..2 in the top row
  Picture standard;
  Picture shown;
};

using P = Picture;
constexpr Language kZh = Language::Chinese;
constexpr Language kEn = Language::English;

constexpr std::array<ButtonSpec, 12> kButtons = {{
    {1070, kPageMic, kZh, 0, P::MicPageChinese, P::MicPageChineseShown},
    {1071, kPageMusic, kZh, 1, P::MusicPageChinese, P::MusicPageChineseShown},
    {1072, kPageMain, kZh, 0, P::MainPageChinese, P::MainPageChineseShown},
    {1073, kPageCenter, kZh, 1, P::CentrePageChinese, P::CentrePageChineseShown},
    {1074, kPageSub, kZh, 2, P::SubwooferPageChinese, P::SubwooferPageChineseShown},
    {1075, kPageEcho, kZh, 0, P::EchoPageChinese, P::EchoPageChineseShown},
    {1076, kPageMic, kEn, 0, P::MicPageEnglish, P::MicPageEnglishShown},
    {1077, kPageMusic, kEn, 1, P::MusicPageEnglish, P::MusicPageEnglishShown},
    {1078, kPageMain, kEn, 0, P::MainPageEnglish, P::MainPageEnglishShown},
    {1079, kPageCenter, kEn, 1, P::CentrePageEnglish, P::CentrePageEnglishShown},
    {1080, kPageSub, kEn, 2, P::SubwooferPageEnglish, P::SubwooferPageEnglishShown},
    {1081, kPageEcho, kEn, 0, P::EchoPageEnglish, P::EchoPageEnglishShown},
}};

// The pages shown together: mic and music; the echo page alone; the three outputs.
int GroupOf(int page) {
  if (page == kPageMic || page == kPageMusic) return 0;
  return page == kPageEcho ? 1 : 2;
}

}  // namespace

PageButtons::PageButtons(QWidget* panel) : QObject(panel) {
  for (const ButtonSpec& entry : kButtons) {
    auto* button = new ImageButton(panel, entry.id);
    button->SetStandardImage(entry.standard);
    button->SetAlternateImage(entry.shown);
    button->setGeometry(DluRect(panel::kPageButtonXDlu[static_cast<size_t>(entry.place)], 0,
                                panel::kPageButtonWidthDlu, panel::kPageButtonHeightDlu));
    connect(button, &ImageButton::clicked, this,
            [this, page = entry.page] { emit PageChosen(page); });
    entries_.push_back({button, entry.page, entry.language});
  }
  back_ = new ImageButton(panel, kBackId);
  back_->SetStandardImage(Picture::BackButton);
  back_->setGeometry(panel::kBackButtonRect);
  connect(back_, &ImageButton::clicked, this, [this] { emit PageChosen(kPageMic); });
}

void PageButtons::Arrange(int page, Language language) {
  for (const Entry& entry : entries_) {
    entry.button->setVisible(entry.language == language && GroupOf(entry.page) == GroupOf(page));
    entry.button->ShowAlternate(entry.page == page);
  }
  back_->setVisible(page == kPageEcho);
}

void PageButtons::ApplyLanguage(Language language) {
  for (const Entry& entry : entries_) {
    const QString name = panel::kPageNames[static_cast<size_t>(entry.page)].In(language);
    entry.button->setAccessibleName(name);
    entry.button->setToolTip(panel::kPageButtonTip.In(language).arg(name));
  }
  back_->setAccessibleName(panel::kBackName.In(language));
  back_->setToolTip(panel::kBackName.In(language));
}

ImageButton* PageButtons::Button(int controlId) const {
  for (const Entry& entry : entries_)
    if (entry.button->property("controlId").toInt() == controlId) return entry.button;
  return nullptr;
}

int PageButtons::PageOfButton(int controlId) {
  for (const ButtonSpec& entry : kButtons)
    if (entry.id == controlId) return entry.page;
  return -1;
}

std::vector<ImageButton*> PageButtons::All() const {
  std::vector<ImageButton*> all;
  for (const Entry& entry : entries_) all.push_back(entry.button);
  all.push_back(back_);
  return all;
}

}  // namespace v7
