// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_import/windows/web_import_door.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

WebImportDoor::WebImportDoor(Module1& module, Dialogs& dialogs, QWidget* mainWindow, frmWebImport::AddRecipe addRecipe)
    : QObject(mainWindow), module_(module), dialogs_(dialogs), mainWindow_(mainWindow), addRecipe_(std::move(addRecipe)) {
  mainWindow_->setAcceptDrops(true);
  mainWindow_->installEventFilter(this);
}

frmWebImport* WebImportDoor::window() {
  if (!window_) {
    window_ = new frmWebImport(module_, dialogs_, addRecipe_, mainWindow_);
    connect(window_, &frmWebImport::pictureStored, this, &WebImportDoor::pictureStored);
  }
  return window_;
}

void WebImportDoor::open() {
  frmWebImport* shown = window();
  shown->show();
  shown->raise();
  shown->activateWindow();
}

void WebImportDoor::openOn(const QString& addressOrPath) { window()->open(addressOrPath); }

QString WebImportDoor::droppedPage(const QMimeData* mime) {
  if (mime->hasUrls() && !mime->urls().isEmpty()) {
    const QUrl url = mime->urls().constFirst();
    if (url.scheme() == u"http" || url.scheme() == u"https") return url.toString();
    const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
    if (url.isLocalFile() && (suffix == u"html" || suffix == u"htm" || suffix == u"xhtml")) return url.toLocalFile();
    return {};
  }
  const QString text = mime->text().trimmed();
  const bool address = text.startsWith(u"https://") || text.startsWith(u"http://");
  return address && !text.contains(u'\n') ? text : QString();
}

bool WebImportDoor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mainWindow_ && (event->type() == QEvent::DragEnter || event->type() == QEvent::Drop)) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QString page = droppedPage(drop->mimeData());
    if (page.isEmpty()) return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) openOn(page);
    return true;
  }
  return QObject::eventFilter(watched, event);
}
