// SPDX-License-Identifier: GPL-3.0-or-later
// The settings frame of the exchange window: nickname, target points, points and level.
#include <QLabel>
#include <QLineEdit>

#include "exchange/rules/profile_entry.h"
#include "exchange/windows/frm_private.h"
#include "platform/rules/typed_text.h"
#include "store/windows/backup_before_write.h"
#include "store/rules/profile_file.h"

void frmPrivate::showPoints() {
  lblPoint->setText(exchange::PointsText(module_.Stats.TotalPoints));
  lblLevel->setText(exchange::LevelText(module_.Stats.LevelPercent));
}

void frmPrivate::cmdHozon_Click() {
  const auto target = exchange::ReadTargetPoints(txtPoint->text());
  if (!target) {
    dialogs_.warn(QStringLiteral("目標ポイントには0より大きい数を入力してください。\n（例：1000　または　1,000）"),
                  QStringLiteral("目標ポイント"));
    txtPoint->setFocus();
    return;
  }
  Profile changed = module_.Prof;
  // The file drops blanks around the name when it is read back, so they are not kept.
  changed.Nickname = typed_text::ToStored(txtNamae->text()).trimmed();
  changed.TargetPoints = target->value;
  BackUpBeforeWrite(module_, dialogs_, module_.path(kProfileFileName), backups::Change::Keeps);
  if (auto error = SaveProfileWithTargetText(module_.path(kProfileFileName), changed, target->text,
                                              kNicknameLine | kTargetLine)) {
    dialogs_.error(error->message() + QStringLiteral("\n名前と目標ポイントは元のままです。"), QStringLiteral("保存エラー"));
    return;
  }
  module_.Prof = changed;
  module_.Stats.LevelPercent = LevelPercentOf(module_.Stats.TotalPoints, changed.TargetPoints);
  showPoints();
  emit profileChanged();
}
