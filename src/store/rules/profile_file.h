// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profile "ﾌﾟﾗｲﾍﾞｰﾄ.txt": four lines, nickname, target points, photo mode, binding margin.
#include <optional>
#include <variant>

#include "platform/rules/file_error.h"

inline const QString kProfileFileName = QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ.txt");
inline const QString kPhotoShown = QStringLiteral("写真表示");
inline const QString kPhotoHidden = QStringLiteral("写真非表示");

struct Profile {
  QString Nickname;
  double TargetPoints = 0;
  QString PhotoMode = kPhotoShown;
  int BindingMargin = 0;  // millimetres, 0 to 15
};

// Reads the four lines; a line that is missing keeps its default, a target without a number is 0,
// and the margin is brought into 0..15.
std::variant<Profile, FileError> LoadProfile(const QString& path);

// The file's lines, one bit each, for a save that changes only some of them.
enum ProfileLine : unsigned { kNicknameLine = 1, kTargetLine = 2, kPhotoModeLine = 4, kMarginLine = 8, kAllProfileLines = 15 };

// Writes the chosen lines of the profile into the file as it is now; the other lines stay as
// another writer may have left them (a line the file lacks is written from profile). The target
// and the margin are written as numbers with a blank on each side. Refused before anything is
// written: a line break in any value, and a nickname that cannot be read back (a double quote
// together with a comma or blanks at either end).
std::optional<FileError> SaveProfile(const QString& path, const Profile& profile, unsigned lines = kAllProfileLines);

// As SaveProfile, but line 2 is the target text as the user typed it (the profile window saves so).
std::optional<FileError> SaveProfileWithTargetText(const QString& path, const Profile& profile,
                                                   const QString& targetText, unsigned lines = kAllProfileLines);

// "Zestra  ～ 花子のレシピ"
QString MainCaption(const QString& nickname);
