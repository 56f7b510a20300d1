#include "controllers/RemoteLearningController.h"

#include "controllers/Prompts.h"
#include "controllers/ShellOperations.h"
#include "edit/ParameterAccessors.h"
#include "i18n/TextPair.h"
#include "link/DeviceLink.h"
#include "protocol/Commands.h"
#include "protocol/Protocol.h"

namespace v7 {

namespace {

constexpr TextPair kApplied{"遥控器键码保存成功!", "Save successed !"};
constexpr TextPair kConnectFirst{"请先连接机器再进行此操作!", "Please connect the machine first!"};
constexpr TextPair kLoaded{"载入遥控文件成功", "Remote file loaded"};
constexpr TextPair kLoadFailed{"载入遥控文件失败", "Could not load the remote file"};
constexpr TextPair kSaved{"保存遥控文件成功", "Remote file saved"};
constexpr TextPair kSaveFailed{"保存遥控文件失败", "Could not save the remote file"};

}  // namespace

void RemoteLearningController::StartLearning(int index) {
  SendCommand(shell_.Link(), kCmdLearnKey, {static_cast<uint8_t>(index)});
}

void RemoteLearningController::CancelLearning() {
  SendCommand(shell_.Link(), kCmdCancelLearn);
}

void RemoteLearningController::ApplyKeys() {
  ParameterAccessors(shell_.Image(), shell_.Link()).ApplyRemoteKeys();
  Notify(kApplied.In(shell_.InterfaceLanguage()));
}

void RemoteLearningController::LoadFile(QWidget* owner) {
  if (!RequireConnection()) return;
  const QString path = shell_.Prompt().AskOpenFileName(owner, QString::fromLatin1(kFileFilter));
  if (path.isEmpty()) return;
  const Language language = shell_.InterfaceLanguage();
  if (!shell_.ReadRemoteFileReporting(path)) {
    Notify(kLoadFailed.In(language));
    return;
  }
  ParameterAccessors(shell_.Image(), shell_.Link()).ApplyRemoteKeys();
  Notify(kLoaded.In(language));
}

void RemoteLearningController::SaveFile(QWidget* owner) {
  if (!RequireConnection()) return;
  const QString path = shell_.Prompt().AskSaveFileName(owner, QString::fromLatin1(kFileFilter),
                                                       QString::fromLatin1(kFileSuffix), QString());
  if (path.isEmpty()) return;
  const Language language = shell_.InterfaceLanguage();
  Notify(shell_.WriteRemoteFileReporting(path) ? kSaved.In(language) : kSaveFailed.In(language));
}

bool RemoteLearningController::RequireConnection() {
  if (shell_.IsLinkOpen()) return true;
  Notify(kConnectFirst.In(shell_.InterfaceLanguage()));
  return false;
}

void RemoteLearningController::Notify(const QString& text) {
  shell_.ShowInfo(text, kNoticeMs);
}

}  // namespace v7
