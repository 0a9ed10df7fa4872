// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fetching one page or picture over http(s) for bringing a recipe in: at most five redirects
// (never from https down to http), a cap on the bytes, a timeout when nothing arrives, progress
// and cancel. The result or the reason comes back as a signal, worded for the user.
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

class PageFetch : public QObject {
  Q_OBJECT
 public:
  static constexpr int kMaxRedirects = 5;
  static constexpr int kTimeoutMs = 10'000;

  explicit PageFetch(QObject* parent = nullptr);

  // How long a fetch may wait for its next bytes (tests shorten it).
  void setTimeout(int ms) { timeoutMs_ = ms; }

  // Starts fetching url (http or https), at most cap bytes; what names the thing for messages
  // ("ページ", "画像"). A fetch still running is cancelled first.
  void start(const QUrl& url, qint64 cap, const QString& what);
  void cancel();  // stops without a signal
  bool running() const { return reply_ != nullptr; }

 signals:
  void progress(qint64 received, qint64 total);  // total is -1 when the server does not say
  // charset is the one the server's Content-Type names, empty when it names none.
  void fetched(const QByteArray& body, const QUrl& finalUrl, const QString& charset);
  void failed(const QString& message);

 private:
  void onReadyRead();
  void onFinished();
  void fail(const QString& message);
  QString failureOf(QNetworkReply* reply) const;

  QNetworkAccessManager* manager_;
  QNetworkReply* reply_ = nullptr;  // the fetch running, deleted when it ends
  QTimer idle_;
  int timeoutMs_ = kTimeoutMs;
  qint64 cap_ = 0;
  QString what_;
  QByteArray body_;
  bool timedOut_ = false;
};
