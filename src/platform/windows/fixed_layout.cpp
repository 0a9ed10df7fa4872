// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/fixed_layout.h"

#include <QWidget>

void PlaceControls(QWidget* window, std::initializer_list<Placement> table) {
  for (const Placement& place : table) {
    auto* control = window->findChild<QWidget*>(QString::fromLatin1(place.objectName));
    Q_ASSERT_X(control, "PlaceControls", place.objectName);
    if (!control) {
      qWarning("PlaceControls: %s has no control named %s", qPrintable(window->objectName()), place.objectName);
      continue;
    }
    control->setGeometry(place.rect);
  }
}
