// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small web server on 127.0.0.1 for the tests of fetching pages: each path answers with a page,
// a redirect, an endless body, or nothing at all. Nothing leaves the machine.
#include <QByteArray>
#include <QHostAddress>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>

class LocalWebServer {
 public:
  enum class Kind { Page, Redirect, Endless, Silent };
  struct Answer {
    Kind kind = Kind::Page;
    QByteArray body;         // a page's body, a redirect's target path
    QByteArray contentType = "text/html; charset=utf-8";
    qint64 announcedLength = -1;  // an endless body's Content-Length, -1 for none
    QByteArray status = "200 OK";
  };

  LocalWebServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) serve(socket);
    });
  }

  QString url(const QString& path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path); }
  void answer(const QString& path, Answer answer) { answers_[path] = std::move(answer); }
  void page(const QString& path, const QByteArray& body, const QByteArray& type = "text/html; charset=utf-8") {
    answer(path, {Kind::Page, body, type});
  }

 private:
  void serve(QTcpSocket* socket) {
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
      request_[socket] += socket->readAll();
      if (!request_[socket].contains("\r\n\r\n")) return;
      const QString path = QString::fromLatin1(request_.take(socket).split(' ').value(1));
      respond(socket, answers_.value(path, {Kind::Page, "not found", "text/plain", -1, "404 Not Found"}));
    });
  }

  void respond(QTcpSocket* socket, const Answer& a) {
    switch (a.kind) {
      case Kind::Silent: return;
      case Kind::Redirect:
        socket->write("HTTP/1.1 302 Found\r\nLocation: " + a.body + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        break;
      case Kind::Page:
        socket->write("HTTP/1.1 " + a.status + "\r\nContent-Type: " + a.contentType + "\r\nContent-Length: " + QByteArray::number(a.body.size()) +
                      "\r\nConnection: close\r\n\r\n" + a.body);
        break;
      case Kind::Endless: {
        QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n";
        if (a.announcedLength >= 0) head += "Content-Length: " + QByteArray::number(a.announcedLength) + "\r\n";
        socket->write(head + "\r\n<html><body>");
        // More whenever the last piece has gone out, until the client gives up.
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [socket] {
          if (socket->bytesToWrite() == 0) socket->write(QByteArray(256 * 1024, 'x'));
        });
        return;
      }
    }
    socket->disconnectFromHost();
  }

  QTcpServer server_;
  QMap<QString, Answer> answers_;
  QMap<QTcpSocket*, QByteArray> request_;
};
