// What the remote learning window does with the machine and with remote files: start and cancel
// the learning of a key, send the key table, load and save it. No widgets: questions and file
// dialogs go through the prompts seam, short notices through the information box.
#pragma once

#include <QString>

class QWidget;

namespace v7 {

class ShellOperations;

class RemoteLearningController {
 public:
  static constexpr int kNoticeMs = 1100;
  // Filter in the prompts seam's form, and the extension every remote file gets.
  static constexpr char kFileFilter[] = "Remote Data File(*.remo)|*.remo|";
  static constexpr char kFileSuffix[] = "remo";

  explicit RemoteLearningController(ShellOperations& shell) : shell_(shell) {}

  // The machine waits for the remote's code for key `index`; the code arrives later.
  void StartLearning(int index);
  void CancelLearning();
  // Sends the table to the machine and says so.
  void ApplyKeys();
  // Both need the machine: without it they say so and ask nothing. Cancelling the file dialog
  // does nothing; a failure shows its box and a notice.
  void LoadFile(QWidget* owner);
  void SaveFile(QWidget* owner);

 private:
  bool RequireConnection();
  void Notify(const QString& text);

  ShellOperations& shell_;
};

}  // namespace v7
