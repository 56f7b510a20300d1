#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

namespace v7 {

// Only one copy of the program runs per user. The first copy holds a lock file and listens
// on a local socket; a later copy connects, asks the first to come forward and ends.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  static constexpr const char* kDefaultName = "Tonvia-V7v1.1";

  enum class Result {
    First,           // this copy runs; it listens for later copies
    OtherActivated,  // another copy runs and was asked to come forward
    OtherNotFound,   // another copy holds the lock but does not answer
    Failed,          // the lock could not be created
  };

  explicit SingleInstance(const QString& name = QString(), QObject* parent = nullptr);
  ~SingleInstance() override;

  Result Claim();

 signals:
  // A later copy asked this one to come forward.
  void ActivationRequested();

 private:
  bool Listen();
  bool AskFirstToComeForward() const;
  void OnNewConnection();

  QString name_;
  QString serverPath_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
};

}  // namespace v7
