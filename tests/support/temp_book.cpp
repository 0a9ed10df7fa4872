// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/temp_book.h"

#include <QDir>
#include <QFile>

#include "platform/rules/cp932.h"

TempBook::TempBook() { dir_.setAutoRemove(true); }

QString TempBook::path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

void TempBook::writeBytes(const QString& name, const QByteArray& bytes) const {
  QFile file(path(name));
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
}

void TempBook::writeLines(const QString& name, const QStringList& lines) const {
  QByteArray bytes;
  for (const QString& line : lines) bytes += cp932::encode(line).bytes + "\r\n";
  writeBytes(name, bytes);
}

QByteArray TempBook::bytes(const QString& name) const {
  QFile file(path(name));
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

QStringList TempBook::lines(const QString& name) const {
  QString text = cp932::decode(bytes(name)).text;
  if (text.endsWith(QStringLiteral("\r\n"))) text.chop(2);
  return text.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
}

bool TempBook::exists(const QString& name) const { return QFile::exists(path(name)); }

void TempBook::writeStandardFiles() const {
  writeLines(QStringLiteral("ジャンル.TXT"), {"\"和食\"", "\"洋食\"", "\"中華\"", "\"エスニック\"", "\"イタリアン\"", "\"デザート\""});
  writeLines(QStringLiteral("種類.TXT"), {"\"主菜\"", "\"副菜\"", "\"汁物\"", "\"ご飯物\"", "\"麺類\"", "\"サラダ\"",
                                        "\"鍋物\"", "\"お菓子\"", "\"飲み物\""});
  writeLines(QStringLiteral("調理方法.TXT"), {"\"焼く\"", "\"煮る\"", "\"炒める\"", "\"揚げる\"", "\"蒸す\"", "\"茹でる\"",
                                          "\"和える\"", "\"生のまま\"", "\"電子レンジ\""});
  writeLines(QStringLiteral("設定.TXT"), {"\"ヘルプツアー\",0"});
  writeLines(QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt"), {"花子", " 100 ", "写真表示", " 10 "});
  writeLines(QStringLiteral("参考資料.TXT"), {});
  writeLines(QStringLiteral("レシピ.TXT"), {});
}

QStringList recordLines(const QStringList& header, const QString& ingredients, const QString& steps,
                        const QString& memo, const QString& log) {
  static const char* labels[] = {"【料理名　】", "【ジャンル】", "【種類　　】", "【調理方法】", "【一人分㌍】", "【塩分　　】",
                                 "【料理時間】", "【自己評価】", "【三者評価】", "【回数　　】", "【参考　　】"};
  QStringList lines{QString(31, u'*')};
  for (int i = 0; i < 11; ++i) lines.append(QString::fromUtf8(labels[i]) + header.value(i));
  const QString sections[] = {ingredients, steps, memo, log};
  const char* names[] = {"【材料】", "【作り方】", "【メモ】", "【調理実績】"};
  for (int s = 0; s < 4; ++s) {
    lines.append(QStringLiteral("----------"));
    lines.append(QString::fromUtf8(names[s]));
    if (!sections[s].isEmpty()) lines.append(sections[s].split(u'\n'));
  }
  lines.append(QStringLiteral("'"));
  return lines;
}

QByteArray cp932Line(const QString& text) { return cp932::encode(text).bytes + "\r\n"; }
