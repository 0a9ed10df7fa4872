// SPDX-License-Identifier: GPL-3.0-or-later
#include "category_editor/rules/category_edit.h"

#include "platform/rules/cp932.h"
#include "platform/rules/quoted_fields.h"
#include "platform/rules/text_file.h"
#include "store/rules/category_lists.h"

std::optional<QString> CategoryItemsProblem(const QStringList& items) {
  for (const QString& item : items) {
    if (item.isEmpty()) return QStringLiteral("未入力の欄が存在します。何か仮の名前でも入力してください");
    if (item == kOther) return QStringLiteral("「その他」はシステムで使っています。別の名前を入力してください ");
    if (!quoted_fields::canQuote(item))
      return QStringLiteral("「\"」は項目の名前に使えません。「%1」を直してください").arg(item);
    if (text_file::holdsLineBreak(item))
      return QStringLiteral("改行は項目の名前に使えません。「%1」を直してください").arg(item);
    if (auto bad = cp932::firstUnencodable(item))
      return QStringLiteral("「%1」には保存できない文字%2があります。別の文字にしてください")
          .arg(item, cp932::describeCharacter(bad->character));
  }
  return std::nullopt;
}

ListOnSave ListToSave(const QStringList& shown, const QStringList& mine, const QStringList& onDisk) {
  if (onDisk == shown || onDisk == mine) return ListOnSave::Mine;
  return mine == shown ? ListOnSave::Theirs : ListOnSave::Conflict;
}
