// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The standard controls as every window builds them: each with its object name, by which tests
// and the accessibility tree find it. Text comes before name throughout.
class QComboBox;
class QEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace controls {

// A push button showing text; a press of Enter in a box never presses it.
QPushButton* button(QWidget* parent, const QString& text, const QString& name, const QString& tip);
QPushButton* button(QWidget* parent, const QString& text, const QString& name);

// A caption; beside an entry box it is the box's buddy, which a screen reader reads as the box's
// name.
QLabel* caption(QWidget* parent, const QString& text, const QString& name, QWidget* buddy = nullptr);

// A combo box that keeps what the user types. A long name in its list widens the drop-down, not
// the box and the window.
QComboBox* editableCombo(QWidget* parent, const QString& name);

// A one-line box for a number, its text on the right.
QLineEdit* numberBox(QWidget* parent, const QString& name);

// True when the event is a press of Return or of the keypad's Enter: in a list, the key that acts
// as a click on the current row.
bool isEnterPress(const QEvent* event);

}  // namespace controls
