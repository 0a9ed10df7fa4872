// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/system_errors.h"

#include <locale.h>
#include <string.h>

#include <cerrno>
#include <utility>

namespace {

const std::pair<int, const char16_t*> kCommonErrors[] = {
    {EROFS, u"読み取り専用の場所のため、書き込めません。"},
    {EACCES, u"このファイルやフォルダを使う権限がありません。"},
    {EPERM, u"この操作は許可されていません。"},
    {ENOSPC, u"ディスクに空きがありません。"},
    {EDQUOT, u"ディスクの使用量の上限に達しています。"},
    {ENOENT, u"ファイルまたはフォルダがありません。"},
    {ENOTDIR, u"フォルダであるはずの所がフォルダではありません。"},
    {EISDIR, u"ファイルであるはずの所がフォルダです。"},
    {EIO, u"ディスクの読み書きでエラーが起きました。"},
    {EBUSY, u"ほかのプログラムが使用中です。"},
    {EMFILE, u"開いているファイルが多すぎます。"},
    {ENAMETOOLONG, u"ファイル名が長すぎます。"},
    {ELOOP, u"リンクが多すぎてたどれません。"},
    {EEXIST, u"同じ名前のファイルがすでにあります。"},
    {ETXTBSY, u"ファイルが使用中です。"},
};

}  // namespace

QString SystemErrorInJapanese(const QString& text) {
  // The words as the C library and Qt give them untranslated, whatever the user's locale.
  static const locale_t untranslated = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
  const QString trimmed = text.trimmed();
  for (const auto& [code, words] : kCommonErrors) {
    const char* english = untranslated ? strerror_l(code, untranslated) : strerror(code);
    if (trimmed.compare(QString::fromLocal8Bit(english), Qt::CaseInsensitive) == 0) return QString::fromUtf16(words);
  }
  return text;
}
