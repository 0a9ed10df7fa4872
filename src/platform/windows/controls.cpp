// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/controls.h"

#include <QKeyEvent>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/windows/typed_combo.h"

namespace controls {

QPushButton* button(QWidget* parent, const QString& text, const QString& name, const QString& tip) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setToolTip(tip);
  b->setAutoDefault(false);
  return b;
}

QPushButton* button(QWidget* parent, const QString& text, const QString& name) { return button(parent, text, name, {}); }

QLabel* caption(QWidget* parent, const QString& text, const QString& name, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  if (buddy) label->setBuddy(buddy);
  return label;
}

QComboBox* editableCombo(QWidget* parent, const QString& name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  KeepTypedText(combo);
  combo->setMaxVisibleItems(20);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(8);
  combo->view()->setTextElideMode(Qt::ElideNone);
  return combo;
}

QLineEdit* numberBox(QWidget* parent, const QString& name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setAlignment(Qt::AlignRight);
  return box;
}

bool isEnterPress(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace controls
