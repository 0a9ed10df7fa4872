// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/file_error.h"

#include <QFileInfo>

#include "platform/rules/system_errors.h"

QString FileError::message() const {
  QString where = QStringLiteral("ファイル「%1」").arg(path);
  if (line > 0) where += QStringLiteral("の%1行目").arg(line);
  switch (kind) {
    case Kind::Missing:
      return where + QStringLiteral("が見つかりません。");
    case Kind::Unreadable:
      return where + QStringLiteral("を読み込めません。") + SystemErrorInJapanese(detail);
    case Kind::NotCp932:
      return where + QStringLiteral("にShift-JIS（CP932）ではない文字があります。");
    case Kind::Unencodable:
      return where + QStringLiteral("に保存できない文字があります。") + detail;
    case Kind::Malformed:
      return where + QStringLiteral("の形式が正しくありません。") + detail;
    case Kind::Refused:
      return detail;
    case Kind::ChangedOutside:
      return where + QStringLiteral("はほかのプログラムが書き換えている最中のため、保存しませんでした。もう一度操作してください。");
    case Kind::Unfinished:
      return where + QStringLiteral("は書き込みの途中か、途中で切れています。書き込みが終わってから開き直してください。") + detail;
    case Kind::WriteFailed:
      return where + QStringLiteral("に書き込めませんでした。元の内容はそのまま残っています。") + SystemErrorInJapanese(detail);
  }
  return where;
}
