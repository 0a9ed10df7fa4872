// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_extras/rules/ratings.h"

int FaceIndex(const QString& rating) {
  if (rating == kExcellent) return 0;
  if (rating == kGood) return 1;
  if (rating == kPoor) return 2;
  if (rating == kUnrated) return 3;
  return -1;
}

QString RatingOfFace(int index) {
  static const QString kByIndex[4] = {kExcellent, kGood, kPoor, kUnrated};
  return index >= 0 && index < 4 ? kByIndex[index] : QString();
}

Ratings AdvanceSelfRating(const Ratings& current) {
  Ratings next = current;
  switch (FaceIndex(current.self)) {
    case 0: next.self = kGood; break;
    case 1: next.self = kPoor; break;
    case 2: next.self = next.others = kUnrated; break;
    case 3: next.self = next.others = kExcellent; break;
    default: break;  // an unknown rating shows no face, so it cannot be clicked
  }
  return next;
}

Ratings AdvanceOthersRating(const Ratings& current) {
  Ratings next = current;
  if (current.self == kUnrated) return next;
  switch (FaceIndex(current.others)) {
    case 0: next.others = kGood; break;
    case 1: next.others = kPoor; break;
    case 2: next.others = kExcellent; break;
    default: break;
  }
  return next;
}
