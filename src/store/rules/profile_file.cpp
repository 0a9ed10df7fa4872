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

// The nickname line: quoted when it holds a comma, so the reader takes it whole.
QString nicknameLine(const QString& nickname) {
  return nickname.contains(u',') ? quoted_fields::quote(nickname) : nickname;
}

std::optional<FileError> save(const QString& path, const Profile& profile, const QString& targetLine) {
  if (!quoted_fields::canQuote(profile.Nickname))
    return FileError{FileError::Kind::Refused, path, 1,
                     QStringLiteral("ニックネームに「\"」は使えません。")};
  return text_file::writeLines(path, {nicknameLine(profile.Nickname), targetLine, profile.PhotoMode,
                                      printedNumber(profile.BindingMargin)});
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
  // Clamped before it becomes an integer: a huge stored margin would not fit one.
  profile.BindingMargin = int(qBound(0.0, numbers::ReadNumber(field(3)), 15.0));
  return profile;
}

std::optional<FileError> SaveProfile(const QString& path, const Profile& profile) {
  return save(path, profile, printedNumber(profile.TargetPoints));
}

std::optional<FileError> SaveProfileWithTargetText(const QString& path, const Profile& profile,
                                                   const QString& targetText) {
  return save(path, profile, targetText);
}

QString MainCaption(const QString& nickname) {
  return QStringLiteral("Zestra  ～ ") + nickname + QStringLiteral("のレシピ");
}
