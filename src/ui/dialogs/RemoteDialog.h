#pragma once

#include <QDialog>
#include <QPointer>
#include <vector>

#include "controllers/RemoteLearningController.h"
#include "i18n/Language.h"
#include "i18n/LanguageTable.h"

class QLabel;
class QPushButton;

namespace v7 {

class ImageButton;
class KeyLearningDialog;
class ShellOperations;

// Remote learning: a picture of the handset whose keys are clicked (or chosen with Tab and
// Space) to learn them, and the buttons that send the key table to the machine, load it from
// a remote file and save it to one. Modeless; closing deletes it.
class RemoteDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 373;
  static constexpr int kApplyId = 1;
  static constexpr int kLoadId = 3;
  static constexpr int kSaveId = 4;

  RemoteDialog(ShellOperations& shell, const LanguageTable& table, QWidget* parent);

  void ApplyLanguage(const LanguageTable& table, Language language);
  // A code the machine learned: shown by the open learning dialog, if there is one.
  void DeliverLearnedKey(int code);

  // The key area of the key with table index `index`; null when the handset has none.
  QPushButton* KeyArea(int index) const;
  KeyLearningDialog* LearningDialog() const;
  ImageButton* ApplyButton() const { return apply_; }
  ImageButton* LoadButton() const { return load_; }
  ImageButton* SaveButton() const { return save_; }

 private:
  void BuildKeyAreas();
  void LearnKey(size_t key);
  void ApplyKeyTexts(Language language);

  ShellOperations& shell_;
  RemoteLearningController controller_;
  LanguageTable table_;
  QLabel* picture_ = nullptr;
  std::vector<QPushButton*> keys_;  // in the order of kRemoteKeys
  ImageButton* apply_ = nullptr;
  ImageButton* load_ = nullptr;
  ImageButton* save_ = nullptr;
  QPointer<KeyLearningDialog> learning_;
};

}  // namespace v7
