// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The option pair of a window that opens recipes in the main window: optHide hides the window
// once a recipe is opened (selected at first), optShow ("残す") leaves it on screen.
#include <QString>
#include <utility>

class QRadioButton;
class QWidget;

// Makes the pair inside parent, in a button group of its own, so that other option buttons of
// the window do not unselect it.
std::pair<QRadioButton*, QRadioButton*> MakeAfterPickOptions(const QString& hideCaption, QWidget* parent);
