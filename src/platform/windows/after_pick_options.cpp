// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/after_pick_options.h"

#include <QButtonGroup>
#include <QRadioButton>

std::pair<QRadioButton*, QRadioButton*> MakeAfterPickOptions(const QString& hideCaption, QWidget* parent) {
  auto* optHide = new QRadioButton(hideCaption, parent);
  optHide->setObjectName(QStringLiteral("optHide"));
  auto* optShow = new QRadioButton(QStringLiteral("残す"), parent);
  optShow->setObjectName(QStringLiteral("optShow"));
  auto* group = new QButtonGroup(parent);
  group->addButton(optHide);
  group->addButton(optShow);
  optHide->setChecked(true);
  return {optHide, optShow};
}
