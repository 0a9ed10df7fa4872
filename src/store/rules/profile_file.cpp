// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/profile_file.h"

#include "platform/rules/numbers.h"
#include "platform/rules/quoted_fields.h"
#include "platform/rules/text_file.h"

namespace {

// A number as a print statement writes it: a blank (or the minus sign) before, a blank after.
QString printedNumber(double value) {
  const QString text = numbers::FormatDouble(value);
  return (value < 0 ? QString() : QStringLiteral(" ")) + text + QLatin1Char(' ');
}

// The nickname line, in the form the reader gives back as the nickname: bare when it can be (as
// most are), else in double quotes (a comma, blanks at either end); nothing when neither form
// reads back (a double quote together with one of those).
std::optional<QString> nicknameLine(const QString& nickname) {
  if (quoted_fields::first(nickname) == nickname) return nickname;
  const QString quoted = quoted_fields::quote(nickname);
  if (quoted_fields::first(quoted) == nickname) return quoted;
  return std::nullopt;
}

std::optional<FileError> save(const QString& path, const Profile& profile, const QString& targetLine, unsigned chosen) {
  auto refused = [&path](int line, const QString& why) { return FileError{FileError::Kind::Refused, path, line, why}; };
  const std::pair<QString, QString> singleLines[] = {{QStringLiteral("ニックネーム"), profile.Nickname},
                                                     {QStringLiteral("目標ポイント"), targetLine},
                                                     {QStringLiteral("写真表示の設定"), profile.PhotoMode}};
  for (int i = 0; i < 3; ++i)
    if (text_file::holdsLineBreak(singleLines[i].second))
      return refused(i + 1, QStringLiteral("%1に改行は入れられません。").arg(singleLines[i].first));
  const std::optional<QString> nickname = nicknameLine(profile.Nickname);
  if (!nickname)
    return refused(1, QStringLiteral("「\"」を含むニックネームには、先頭の「\"」、「,」、前後の空白は使えません。"));
  const QStringList lines = {*nickname, targetLine, profile.PhotoMode, printedNumber(profile.BindingMargin)};
  return text_file::updateLines(path, [&](QStringList current) -> std::variant<QStringList, FileError> {
    for (qsizetype i = current.size(); i < lines.size(); ++i) current.append(lines[i]);
    for (qsizetype i = 0; i < lines.size(); ++i)
      if (chosen & (1u << i)) current[i] = lines[i];
    return current;
  });
}

}  // namespace

std::variant<Profile, FileError> LoadProfile(const QString& path) {
  auto lines = text_file::readLines(path);
  if (auto* error = std::get_if<FileError>(&lines)) return *error;
  const QStringList& all = std::get<QStringList>(lines);
  auto field = [&](int i) { return i < all.size() ? quoted_fields::first(all[i]) : QString(); };
  Profile profile;
  profile.Nickname = field(0);
  profile.TargetPoints = numbers::ReadNumber(field(1));
  if (all.size() > 2) profile.PhotoMode = field(2);
  // Clamped as a double first: a huge number does not fit an int.
  const double margin = numbers::ReadNumber(field(3));
  profile.BindingMargin = margin >= 15 ? 15 : margin > 0 ? int(margin) : 0;
  return profile;
}

std::optional<FileError> SaveProfile(const QString& path, const Profile& profile, unsigned lines) {
  return save(path, profile, printedNumber(profile.TargetPoints), lines);
}

std::optional<FileError> SaveProfileWithTargetText(const QString& path, const Profile& profile,
                                                   const QString& targetText, unsigned lines) {
  return save(path, profile, targetText, lines);
}

QString MainCaption(const QString& nickname) {
  return QStringLiteral("Zestra  ～ ") + nickname + QStringLiteral("のレシピ");
}
