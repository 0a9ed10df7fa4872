// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture buttons of the sorted list and the chart windows, their pictures drawn in code.
#include <QIcon>
#include <QString>

class QPushButton;
class QWidget;

QIcon PieChartIcon();
QIcon BarChartIcon();
QIcon PrintIcon();
QIcon BackIcon();

// A push button with its text beside its picture.
QPushButton* PictureButton(const QString& text, const QString& name, const QString& toolTip, const QIcon& icon,
                           QWidget* parent);
// "戻り", back to the main window.
QPushButton* BackButton(QWidget* parent);
