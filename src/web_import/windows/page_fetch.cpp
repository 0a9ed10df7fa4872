// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_import/windows/page_fetch.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>

namespace {

QString megabytes(qint64 bytes) { return QString::number(bytes / (1024 * 1024)); }

}  // namespace

PageFetch::PageFetch(QObject* parent) : QObject(parent), manager_(new QNetworkAccessManager(this)) {
  idle_.setSingleShot(true);
  connect(&idle_, &QTimer::timeout, this, [this] {
    if (!reply_) return;
    timedOut_ = true;
    reply_->abort();
  });
}

void PageFetch::start(const QUrl& url, qint64 cap, const QString& what) {
  cancel();
  what_ = what;
  cap_ = cap;
  body_.clear();
  timedOut_ = false;
  if (url.scheme() != u"https" && url.scheme() != u"http") {
    QTimer::singleShot(0, this, [this, url] { emit failed(QStringLiteral("%1のアドレスが http または https ではありません。\n%2").arg(what_, url.toDisplayString())); });
    return;
  }
  QNetworkRequest request(url);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  request.setMaximumRedirectsAllowed(kMaxRedirects);
  request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("ZESTRA"));
  reply_ = manager_->get(request);
  connect(reply_, &QNetworkReply::readyRead, this, &PageFetch::onReadyRead);
  connect(reply_, &QNetworkReply::finished, this, &PageFetch::onFinished);
  connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
    idle_.start(timeoutMs_);
    emit progress(received, total);
  });
  connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
    const qint64 announced = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (announced > cap_) fail(QStringLiteral("%1が大きすぎます（%2MBまで）。").arg(what_, megabytes(cap_)));
  });
  idle_.start(timeoutMs_);
}

void PageFetch::cancel() {
  idle_.stop();
  if (!reply_) return;
  QNetworkReply* reply = reply_;
  reply_ = nullptr;
  reply->disconnect(this);
  reply->abort();
  reply->deleteLater();
}

void PageFetch::fail(const QString& message) {
  cancel();
  body_.clear();
  emit failed(message);
}

void PageFetch::onReadyRead() {
  if (!reply_ || !reply_->isOpen()) return;
  idle_.start(timeoutMs_);
  body_ += reply_->read(cap_ + 1 - body_.size());
  if (body_.size() > cap_) fail(QStringLiteral("%1が大きすぎます（%2MBまで）。").arg(what_, megabytes(cap_)));
}

QString PageFetch::failureOf(QNetworkReply* reply) const {
  if (timedOut_) return QStringLiteral("%1が%2秒以内に届きませんでした。").arg(what_).arg(timeoutMs_ / 1000.0);
  switch (reply->error()) {
    case QNetworkReply::TooManyRedirectsError:
      return QStringLiteral("%1の転送が多すぎます（%2回まで）。").arg(what_).arg(kMaxRedirects);
    case QNetworkReply::InsecureRedirectError:
      return QStringLiteral("%1が https から http へ転送されたので取得をやめました。").arg(what_);
    default: break;
  }
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (status >= 400) return QStringLiteral("%1を取得できませんでした（HTTP %2）。").arg(what_).arg(status);
  return QStringLiteral("%1を取得できませんでした。\n%2").arg(what_, reply->errorString());
}

void PageFetch::onFinished() {
  if (!reply_) return;
  QNetworkReply* reply = reply_;
  onReadyRead();
  if (!reply_) return;  // over the cap
  idle_.stop();
  reply_ = nullptr;
  reply->deleteLater();
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (reply->error() != QNetworkReply::NoError || status >= 300) {
    body_.clear();
    emit failed(failureOf(reply));
    return;
  }
  static const QRegularExpression charset(QStringLiteral(R"(charset\s*=\s*"?([\w.:-]+))"), QRegularExpression::CaseInsensitiveOption);
  const QString type = reply->header(QNetworkRequest::ContentTypeHeader).toString();
  emit fetched(std::exchange(body_, {}), reply->url(), charset.match(type).captured(1));
}
