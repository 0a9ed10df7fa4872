// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts that come from the user (dish names, categories, menu captions, stock names, the
// nickname, folder and file names) shown as they stand. Qt takes an "&" in the caption of a
// button, a frame or a label with a buddy as the mark of a keyboard shortcut and drops it, and a
// label may take "<b>" for markup; these helpers show the text itself, so "M&M's" reads "M&M's".
class QGroupBox;
class QLabel;
class QString;
class QWidget;

void ShowUserText(QLabel* label, const QString& text);
void ShowUserTitle(QGroupBox* frame, const QString& text);
// A window title that holds a user's text: Qt takes "[*]" in a title as the place of its
// unsaved-changes mark and drops it; here it stays, so a nickname "[*]" reads "[*]".
void ShowUserWindowTitle(QWidget* window, const QString& title);

// The text last shown through the helpers above, as the user wrote it.
QString UserTextOf(const QWidget* control);
