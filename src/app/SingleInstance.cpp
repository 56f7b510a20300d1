#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace v7 {

namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr char kComeForward[] = "activate\n";

// The runtime folder is private to the user, so each user may run one copy.
QString UserPath(const QString& name, const char* suffix) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return QDir(folder).filePath(name + QLatin1String(suffix));
}

}  // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent),
      name_(name.isEmpty() ? QString::fromLatin1(kDefaultName) : name),
      serverPath_(UserPath(name_, ".socket")) {
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Result SingleInstance::Claim() {
  lock_ = std::make_unique<QLockFile>(UserPath(name_, ".lock"));
  // A lock left by a crashed copy is taken over at once (its process id no longer runs).
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) return Listen() ? Result::First : Result::Failed;
  if (lock_->error() != QLockFile::LockFailedError) return Result::Failed;
  return AskFirstToComeForward() ? Result::OtherActivated : Result::OtherNotFound;
}

bool SingleInstance::Listen() {
  // Only the lock holder gets here, so a socket left behind by a crash can be removed safely.
  QLocalServer::removeServer(serverPath_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  return server_.listen(serverPath_);
}

bool SingleInstance::AskFirstToComeForward() const {
  QLocalSocket socket;
  socket.connectToServer(serverPath_);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.write(kComeForward);
  const bool written = socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.disconnectFromServer();
  return written;
}

void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    auto readRequest = [this, socket] {
      if (socket->readAll().contains(kComeForward)) emit ActivationRequested();
    };
    connect(socket, &QLocalSocket::readyRead, this, readRequest);
    readRequest();
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
  }
}

}  // namespace v7
