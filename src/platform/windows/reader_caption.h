// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A caption that only screen readers read. On Linux a combo box gives its current item as its
// accessible name (its own accessibleName is read only while it is empty); what the box is for
// reaches a screen reader through the caption that labels it, the label whose buddy it is. Where
// the window shows no caption beside the box (the fixed layouts keep a meal button or a row
// caption there), this adds a hidden one, and the same words as the box's description.
class QLabel;
class QString;
class QWidget;

QLabel* AddReaderCaption(QWidget* box, const QString& caption);
