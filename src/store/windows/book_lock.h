// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One program per book on one machine. The first program on a folder holds a lock file in it
// (".zestra.lock") and listens on a local socket named after the folder; a second start on the same
// folder finds the lock held, asks the first to come to the front and ends. A lock left by a
// program that died is taken over. A lock held from another machine (the folder is synced, and the
// lock file came with it) cannot be tested there: the program opens the book and says so, and its
// writes check every file before they replace it.
#include <QLockFile>
#include <QObject>
#include <memory>

class QLocalServer;

inline const QString kBookLockFileName = QStringLiteral(".zestra.lock");

class BookLock : public QObject {
  Q_OBJECT
 public:
  enum class Outcome {
    Held,           // this program holds the book
    RaisedOther,    // a program on this machine holds it and was asked to come forward
    HeldElsewhere,  // another machine holds it (host in holder())
    Unanswered,     // a program on this machine holds it but does not answer (starting, or hung)
  };

  explicit BookLock(const QString& folder, QObject* parent = nullptr);
  ~BookLock() override;

  Outcome take();
  const QString& holder() const { return holder_; }

  // The name of the local socket of the program holding folder.
  static QString socketName(const QString& folder);

 signals:
  // A second start on the book asked this program to come to the front.
  void raiseRequested();

 private:
  bool askHolderToRaise() const;

  QString folder_;
  QLockFile lock_;
  std::unique_ptr<QLocalServer> server_;
  QString holder_;
};
