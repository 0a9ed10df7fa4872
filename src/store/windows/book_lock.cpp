// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/windows/book_lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>

namespace {

constexpr int kAnswerMs = 2000;
const QByteArray kRaise = "raise\n";

}  // namespace

BookLock::BookLock(const QString& folder, QObject* parent)
    : QObject(parent), folder_(folder), lock_(QDir(folder).filePath(kBookLockFileName)) {
  // The lock stands as long as the program runs; only a holder that is gone makes it stale.
  lock_.setStaleLockTime(0);
}

BookLock::~BookLock() = default;

QString BookLock::socketName(const QString& folder) {
  const QString canonical = QDir(folder).canonicalPath();
  const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  return QStringLiteral("zestra-") + QString::fromLatin1(hash);
}

BookLock::Outcome BookLock::take() {
  if (lock_.tryLock(0)) {
    server_ = std::make_unique<QLocalServer>();
    QLocalServer::removeServer(socketName(folder_));  // left by a program that died
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
      while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
          if (socket->readAll().startsWith(kRaise)) emit raiseRequested();
          socket->disconnectFromServer();
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
    server_->listen(socketName(folder_));
    return Outcome::Held;
  }
  // A folder the lock cannot be made in (read-only) is opened without one.
  if (lock_.error() != QLockFile::LockFailedError) return Outcome::Held;
  qint64 pid = 0;
  QString host, app;
  lock_.getLockInfo(&pid, &host, &app);
  if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
    holder_ = host;
    return Outcome::HeldElsewhere;
  }
  holder_ = host;
  return askHolderToRaise() ? Outcome::RaisedOther : Outcome::Unanswered;
}

bool BookLock::askHolderToRaise() const {
  QLocalSocket socket;
  socket.connectToServer(socketName(folder_));
  if (!socket.waitForConnected(kAnswerMs)) return false;
  socket.write(kRaise);
  return socket.waitForBytesWritten(kAnswerMs);
}
