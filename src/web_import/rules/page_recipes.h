// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recipes a web page carries as structured data: JSON-LD blocks (<script
// type="application/ld+json">: a Recipe, an array, an @graph, a Recipe inside another object) and
// microdata (itemscope itemtype=".../Recipe" with itemprop children). Both come out as JSON
// objects of the same shape, so one mapping reads either. The HTML is parsed by libxml2.
#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace web_import {

// The most bytes of a page that are read, fetched or from a file.
constexpr qint64 kPageCap = 5 * 1024 * 1024;

struct PageRecipes {
  QList<QJsonObject> recipes;  // in page order; microdata only when the page has no JSON-LD recipe
  QString siteName;            // og:site_name, else the name of a WebSite in the JSON-LD
  QString address;             // the page's own address (canonical link or og:url), if it names one
  QString title;               // <title>
  int brokenJsonBlocks = 0;    // JSON-LD blocks that are not JSON
};

// charset is the one the server named (Content-Type), empty to let the page's own <meta> decide;
// Shift_JIS either way is read as CP932.
PageRecipes ReadPage(const QByteArray& html, const QString& charset = {});

// A text from the page's data as plain text: markup dropped, entities decoded, a <br> or the end
// of a paragraph or list item a line break, blanks within a line collapsed, lines trimmed.
QString PlainText(const QString& text);

}  // namespace web_import
