// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_import/rules/page_recipes.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <algorithm>
#include <memory>
#include <optional>

namespace web_import {

namespace {

constexpr int kDeepestNesting = 64;  // deeper JSON or markup is not searched for recipes

struct DocFree {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using Doc = std::unique_ptr<xmlDoc, DocFree>;

Doc parseHtml(QByteArrayView html, const char* encoding) {
  const int options = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET;
  return Doc(htmlReadMemory(html.data(), int(html.size()), nullptr, encoding, options));
}

// The encoding the parser is told: the server's charset, but a Shift_JIS page is read as the
// code page it is written in (CP932: ①, 髙 and ～ are not in strict Shift_JIS). Without a word
// from the server, the parser follows the page's own <meta>, which is looked at here only for
// Shift_JIS.
QByteArray parserEncoding(const QString& charset, QByteArrayView html) {
  static const QRegularExpression meta(QStringLiteral(R"(<meta[^>]*charset\s*=\s*["']?\s*([\w.:-]+))"),
                                       QRegularExpression::CaseInsensitiveOption);
  QString name = charset.trimmed();
  if (name.isEmpty()) name = meta.match(QString::fromLatin1(html.first(std::min<qsizetype>(html.size(), 4096)))).captured(1);
  static const QStringList shiftJis = {QStringLiteral("shift_jis"), QStringLiteral("shift-jis"), QStringLiteral("sjis"),
                                       QStringLiteral("x-sjis"),    QStringLiteral("ms_kanji"),  QStringLiteral("csshiftjis"),
                                       QStringLiteral("windows-31j"), QStringLiteral("cp932"),   QStringLiteral("ms932")};
  if (shiftJis.contains(name.toLower())) return "CP932";
  return charset.trimmed().toLatin1();
}

bool isElement(const xmlNode* node, const char* name) {
  return node->type == XML_ELEMENT_NODE && xmlStrcasecmp(node->name, BAD_CAST name) == 0;
}

// The attribute's value; nothing when the element has no such attribute.
std::optional<QString> attribute(const xmlNode* node, const char* name) {
  xmlChar* value = xmlGetProp(node, BAD_CAST name);
  if (!value) return std::nullopt;
  QString text = QString::fromUtf8(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}

QString attributeText(const xmlNode* node, const char* name) { return attribute(node, name).value_or(QString()); }

QString content(const xmlNode* node) {
  xmlChar* value = xmlNodeGetContent(node);
  if (!value) return {};
  QString text = QString::fromUtf8(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}

QString collapsed(const QString& text) { return text.simplified(); }

// "Recipe", "https://schema.org/Recipe" or a list holding one of them.
bool hasType(const QJsonValue& type, QStringView name) {
  if (type.isArray()) {
    const QJsonArray types = type.toArray();
    return std::any_of(types.begin(), types.end(), [&](const QJsonValue& t) { return hasType(t, name); });
  }
  const QString text = type.toString();
  return text == name || text.endsWith(u'/' + name.toString()) || text.endsWith(u'#' + name.toString());
}

struct Finder {
  PageRecipes& page;
  QString webSiteName;

  void searchJson(const QJsonValue& value, int depth) {
    if (depth > kDeepestNesting) return;
    if (value.isArray()) {
      for (const QJsonValue& item : value.toArray()) searchJson(item, depth + 1);
      return;
    }
    if (!value.isObject()) return;
    const QJsonObject object = value.toObject();
    if (hasType(object.value(QStringLiteral("@type")), u"Recipe")) {
      page.recipes.append(object);
      return;
    }
    if (hasType(object.value(QStringLiteral("@type")), u"WebSite") && webSiteName.isEmpty())
      webSiteName = PlainText(object.value(QStringLiteral("name")).toString());
    for (auto it = object.begin(); it != object.end(); ++it)
      if (it->isObject() || it->isArray()) searchJson(*it, depth + 1);
  }

  void readJsonLd(const xmlNode* script) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(content(script).toUtf8(), &error);
    if (error.error != QJsonParseError::NoError) {
      ++page.brokenJsonBlocks;
      return;
    }
    searchJson(doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object()), 0);
  }

  void readMeta(const xmlNode* meta) {
    const QString property = attributeText(meta, "property");
    if (property == u"og:site_name" && page.siteName.isEmpty())
      page.siteName = collapsed(attributeText(meta, "content"));
    else if (property == u"og:url" && page.address.isEmpty())
      page.address = attributeText(meta, "content").trimmed();
  }

  void walk(const xmlNode* node, int depth) {
    if (depth > kDeepestNesting) return;
    for (const xmlNode* child = node->children; child; child = child->next) {
      if (child->type != XML_ELEMENT_NODE) continue;
      if (isElement(child, "script")) {
        if (attributeText(child, "type").section(u';', 0, 0).trimmed().compare(u"application/ld+json", Qt::CaseInsensitive) == 0)
          readJsonLd(child);
        continue;
      }
      if (isElement(child, "meta")) readMeta(child);
      else if (isElement(child, "title") && page.title.isEmpty()) page.title = collapsed(content(child));
      else if (isElement(child, "link") && attributeText(child, "rel").split(u' ').contains(u"canonical"))
        page.address = attributeText(child, "href").trimmed();
      walk(child, depth + 1);
    }
  }
};

// Microdata: an item is an element with itemscope; its properties are the itemprop elements below
// it that are not inside a deeper item (a deeper item is itself the value of its itemprop).
QJsonValue propertyValue(const xmlNode* node);

void collectProperties(const xmlNode* node, QJsonObject& item, int depth) {
  if (depth > kDeepestNesting) return;
  for (const xmlNode* child = node->children; child; child = child->next) {
    if (child->type != XML_ELEMENT_NODE) continue;
    const bool scope = attribute(child, "itemscope").has_value();
    if (auto names = attribute(child, "itemprop")) {
      const QJsonValue value = propertyValue(child);
      for (const QString& name : names->split(u' ', Qt::SkipEmptyParts)) {
        QJsonArray values = item.value(name).toArray();
        values.append(value);
        item.insert(name, values);
      }
    }
    if (!scope) collectProperties(child, item, depth + 1);
  }
}

QJsonObject itemOf(const xmlNode* node) {
  QJsonObject item;
  const QString type = attributeText(node, "itemtype").section(u' ', 0, 0);
  if (!type.isEmpty()) item.insert(QStringLiteral("@type"), type.section(u'/', -1));
  collectProperties(node, item, 0);
  return item;
}

QJsonValue propertyValue(const xmlNode* node) {
  if (attribute(node, "itemscope")) return itemOf(node);
  if (isElement(node, "meta")) return attributeText(node, "content");
  for (const char* name : {"a", "link", "area"})
    if (isElement(node, name)) return attributeText(node, "href");
  for (const char* name : {"img", "source", "video", "audio", "iframe", "embed"})
    if (isElement(node, name)) return attributeText(node, "src");
  if (isElement(node, "time") && attribute(node, "datetime")) return attributeText(node, "datetime");
  for (const char* name : {"data", "meter"})
    if (isElement(node, name)) return attributeText(node, "value");
  return collapsed(content(node));
}

void findMicrodata(const xmlNode* node, QList<QJsonObject>& recipes, int depth) {
  if (depth > kDeepestNesting) return;
  for (const xmlNode* child = node->children; child; child = child->next) {
    if (child->type != XML_ELEMENT_NODE) continue;
    if (attribute(child, "itemscope") && hasType(attributeText(child, "itemtype").section(u' ', 0, 0), u"Recipe")) {
      recipes.append(itemOf(child));
      continue;
    }
    findMicrodata(child, recipes, depth + 1);
  }
}

// Text of the nodes below node, with line breaks where the markup breaks lines.
void appendText(const xmlNode* node, QString& out, int depth) {
  if (depth > kDeepestNesting) return;
  for (const xmlNode* child = node->children; child; child = child->next) {
    if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
      out += QString::fromUtf8(reinterpret_cast<const char*>(child->content));
      continue;
    }
    if (child->type != XML_ELEMENT_NODE || isElement(child, "script") || isElement(child, "style")) continue;
    if (isElement(child, "br")) out += u'\n';
    appendText(child, out, depth + 1);
    for (const char* block : {"p", "div", "li", "tr", "h1", "h2", "h3", "h4", "h5", "h6"})
      if (isElement(child, block)) out += u'\n';
  }
}

}  // namespace

QString PlainText(const QString& text) {
  QString flat = text;
  if (text.contains(u'<') || text.contains(u'&')) {
    const QByteArray wrapped = "<html><body>" + text.toUtf8() + "</body></html>";
    if (Doc doc = parseHtml(wrapped, "UTF-8")) {
      flat.clear();
      appendText(xmlDocGetRootElement(doc.get()), flat, 0);
    }
  }
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  QStringList lines;
  for (const QString& line : flat.split(lineBreak)) {
    const QString clean = line.simplified();
    if (!clean.isEmpty()) lines.append(clean);
  }
  return lines.join(u'\n');
}

PageRecipes ReadPage(const QByteArray& html, const QString& charset) {
  PageRecipes page;
  const QByteArray encoding = parserEncoding(charset, html);
  Doc doc = parseHtml(html, encoding.isEmpty() ? nullptr : encoding.constData());
  if (!doc) return page;
  const xmlNode* root = xmlDocGetRootElement(doc.get());
  if (!root) return page;
  Finder finder{page, {}};
  // The root element itself is walked as a child of the document.
  finder.walk(reinterpret_cast<const xmlNode*>(doc.get()), 0);
  if (page.siteName.isEmpty()) page.siteName = finder.webSiteName;
  // A page that gives its recipe both ways would otherwise offer it twice.
  if (page.recipes.isEmpty()) findMicrodata(reinterpret_cast<const xmlNode*>(doc.get()), page.recipes, 0);
  return page;
}

}  // namespace web_import
