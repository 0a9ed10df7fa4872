// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader reads, checked against what a sighted user sees. A control's accessible
// name must contain the text shown on it (a label's or button's text, a group's title), an entry
// box must be named (or labelled) by the caption that is its buddy, and a control that shows no
// text (a picture, an entry box without a caption) must still have a name. Call it on any built
// and shown window:
//
//   const QStringList faults = ShownTextsMissingFromNames(&window);
//   EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace accessible_names_detail {

inline QString readName(QWidget* control) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
  return face ? face->text(QAccessible::Name) : QString();
}

// The captions a screen reader reads with the control ("labelled by"): on Linux an entry box's
// caption reaches the screen reader this way, while its name is the text it holds.
inline QString readCaptions(QWidget* control) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
  QStringList captions;
  if (face)
    for (const auto& [other, relation] : face->relations(QAccessible::Label)) captions.append(other->text(QAccessible::Name));
  return captions.join(u' ');
}

inline QString withoutMnemonic(QString text) {
  text.replace(QLatin1String("&&"), QLatin1String("\x01"));
  text.remove(u'&');
  return text.replace(QLatin1String("\x01"), QLatin1String("&"));
}

inline bool isEntryBox(QWidget* control) {
  if (qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSlider*>(control)) return true;
  if (qobject_cast<QLineEdit*>(control)) return !qobject_cast<QComboBox*>(control->parentWidget());
  return qobject_cast<QAbstractScrollArea*>(control) != nullptr;
}

// The program's own controls; Qt's inner parts (scroll bars of a list, a combo box's line edit,
// viewports) have no object name or a "qt_" one.
inline bool isOwnControl(QWidget* control) {
  const QString name = control->objectName();
  return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

}  // namespace accessible_names_detail

// One line per fault ("lblKensu shows "1 / 2" but reads "表示中のレシピ番号""); empty when every
// visible control reads what it shows.
inline QStringList ShownTextsMissingFromNames(QWidget* window) {
  using namespace accessible_names_detail;
  QStringList faults;
  const auto fault = [&](QWidget* control, const QString& shown, const QString& read) {
    const QString who = control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                        : control->objectName();
    faults.append(QStringLiteral("%1 in %2 shows \"%3\" but reads \"%4\"").arg(who, window->objectName(), shown, read));
  };
  const auto check = [&](QWidget* control, const QString& shown) {
    const QString read = (readName(control) + u' ' + readCaptions(control)).trimmed();
    if (shown.simplified().isEmpty() ? read.trimmed().isEmpty() : !read.simplified().contains(shown.simplified()))
      fault(control, shown, read);
  };
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (!control->isVisibleTo(window)) continue;
    if (auto* label = qobject_cast<QLabel*>(control)) {
      const bool picture = !label->pixmap().isNull();
      // Only a label with a buddy takes "&" as a shortcut mark.
      const QString shown = label->buddy() ? withoutMnemonic(label->text()) : label->text();
      if (!label->text().isEmpty() || picture) check(label, shown);
      if (label->buddy() && !label->text().isEmpty()) check(label->buddy(), withoutMnemonic(label->text()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      if (isOwnControl(button) || !button->text().isEmpty()) check(button, withoutMnemonic(button->text()));
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
      check(group, withoutMnemonic(group->title()));
    } else if (isEntryBox(control) && isOwnControl(control)) {
      check(control, QString());
    }
  }
  return faults;
}
