// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A recipe's picture is a file in the recipe book's folder named after the dish.
#include <QStringList>
#include <optional>

#include "platform/rules/data_folder.h"

inline const QString kNoPictureFileName = QStringLiteral("NOPIC.JPG");

// The existing picture files of a dish in lookup order (.jpg, .gif, .bmp): the last one that
// loads is the one shown.
QStringList PictureCandidates(const DataFolder& folder, const QString& dishName);

// Why a dish name cannot name a picture file on this system, or nothing when it can.
std::optional<QString> PictureNameProblem(const QString& dishName);

// The file name a brought-in picture gets: the dish name and the last four characters of the
// source file's name (".jpg" for "dish.jpg", "jpeg" for "dish.jpeg").
QString PictureTargetName(const QString& dishName, const QString& sourceFileName);

// Copies source over target so that target is either its old self or a complete copy; the
// reason when it is its old self. Only a regular file of picture size is copied (plain_file).
std::optional<QString> CopyPictureFile(const QString& source, const QString& target);
