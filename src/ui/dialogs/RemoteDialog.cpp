#include "ui/dialogs/RemoteDialog.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "controllers/ShellOperations.h"
#include "i18n/LanguageTables.h"
#include "i18n/TextPair.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/DialogStyle.h"
#include "ui/dialogs/KeyLearningDialog.h"
#include "ui/dialogs/RemoteKeyLayout.h"
#include "ui/widgets/ImageButton.h"
#include "ui/widgets/Picture.h"

namespace v7 {

namespace {

constexpr char kBuiltInTitle[] = "遥控学习";
constexpr int kMargin = 12;
constexpr int kButtonLeft = kMargin * 2 + kRemotePictureWidth;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 27;
constexpr int kButtonGap = 14;
constexpr int kWidth = kButtonLeft + kButtonWidth + kMargin;
constexpr int kHeight = kRemotePictureHeight + 2 * kMargin;

struct ButtonSpec {
  int id;
  const char* builtIn;
  TextPair tip;
};
const ButtonSpec kButtons[] = {
    {RemoteDialog::kApplyId,
     "应用参数",
     {"把学到的键码发送到机器", "Send the learned codes to the machine"}},
    {RemoteDialog::kLoadId,
     "载入参数",
     {"从遥控文件载入键码并发送到机器", "Load the codes from a remote file and send them"}},
    {RemoteDialog::kSaveId,
     "保存参数",
     {"把键码保存到遥控文件", "Save the codes to a remote file"}},
};

// Transparent over the picture; the pointer and the keyboard focus show where a key is.
constexpr char kKeyAreaStyle[] =
    "QPushButton { background: transparent; border: none; }"
    "QPushButton:hover { border: 2px solid rgba(255, 200, 0, 220); border-radius: 6px; }"
    "QPushButton:focus { border: 2px dotted rgb(0, 160, 255); border-radius: 6px; }";

}  // namespace

RemoteDialog::RemoteDialog(ShellOperations& shell, const LanguageTable& table, QWidget* parent)
    : QDialog(parent), shell_(shell), controller_(shell), table_(table) {
  setWindowTitle(QString::fromUtf8(kBuiltInTitle));
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_DeleteOnClose);
  ApplyDialogBackground(this);
  ApplyDialogFont(this);
  picture_ = new QLabel(this);
  picture_->setGeometry(kMargin, kMargin, kRemotePictureWidth, kRemotePictureHeight);
  BuildKeyAreas();

  std::vector<ImageButton*> buttons;
  int top = kMargin + kButtonGap;
  for (const ButtonSpec& entry : kButtons) {
    buttons.push_back(MakeDialogButton(this, entry.id, QString::fromUtf8(entry.builtIn),
                                       QRect(kButtonLeft, top, kButtonWidth, kButtonHeight)));
    top += kButtonHeight + kButtonGap;
  }
  apply_ = buttons[0];
  load_ = buttons[1];
  save_ = buttons[2];
  connect(apply_, &ImageButton::clicked, this, [this] { controller_.ApplyKeys(); });
  connect(load_, &ImageButton::clicked, this, [this] { controller_.LoadFile(this); });
  connect(save_, &ImageButton::clicked, this, [this] { controller_.SaveFile(this); });
  ApplyLanguage(table, shell_.InterfaceLanguage());
}

void RemoteDialog::BuildKeyAreas() {
  for (size_t key = 0; key < kRemoteKeys.size(); ++key) {
    const RemoteKeyRect& r = kRemoteKeys[key].rect;
    auto* area = new QPushButton(this);
    SetControlId(area, kRemoteKeys[key].controlId);
    area->setGeometry(kMargin + r.x, kMargin + r.y, r.width, r.height);
    area->setFlat(true);
    area->setStyleSheet(QString::fromLatin1(kKeyAreaStyle));
    area->setCursor(Qt::PointingHandCursor);
    area->setFocusPolicy(Qt::StrongFocus);
    connect(area, &QPushButton::clicked, this, [this, key] { LearnKey(key); });
    keys_.push_back(area);
  }
}

void RemoteDialog::ApplyLanguage(const LanguageTable& table, Language language) {
  table_ = table;
  ApplyDialogTexts(table, this, kDialogId);
  const QImage handset = LoadPicture(language == Language::English ? Picture::RemoteHandsetEnglish
                                                                   : Picture::RemoteHandsetChinese);
  picture_->setPixmap(QPixmap::fromImage(handset));
  ApplyKeyTexts(language);
  ImageButton* const buttons[] = {apply_, load_, save_};
  for (size_t i = 0; i < std::size(kButtons); ++i) {
    buttons[i]->setToolTip(kButtons[i].tip.In(language));
    buttons[i]->setAccessibleName(buttons[i]->text());
  }
}

void RemoteDialog::ApplyKeyTexts(Language language) {
  for (size_t key = 0; key < keys_.size(); ++key) {
    const QString name = kRemoteKeys[key].function.In(language);
    keys_[key]->setToolTip(name);
    keys_[key]->setAccessibleName(name);
  }
}

// The machine starts listening, then the learning dialog waits for its answer.
void RemoteDialog::LearnKey(size_t key) {
  if (learning_) return;
  const Language language = shell_.InterfaceLanguage();
  controller_.StartLearning(kRemoteKeys[key].index);
  learning_ = new KeyLearningDialog(kRemoteKeys[key].studying.In(language), table_, language, this);
  connect(learning_, &KeyLearningDialog::Cancelled, this, [this] { controller_.CancelLearning(); });
  learning_->show();
}

void RemoteDialog::DeliverLearnedKey(int code) {
  if (learning_) learning_->ShowCode(code);
}

KeyLearningDialog* RemoteDialog::LearningDialog() const {
  return learning_;
}

QPushButton* RemoteDialog::KeyArea(int index) const {
  for (size_t key = 0; key < kRemoteKeys.size(); ++key)
    if (kRemoteKeys[key].index == index) return keys_[key];
  return nullptr;
}

}  // namespace v7
