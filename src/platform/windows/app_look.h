// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application-wide look: Japanese fonts, Japanese standard buttons, the program icon.
#include <QStringList>

class QApplication;

// The installed faces, best first, that stand for a face the windows and prints name:
// "ＭＳ ゴシック" is a fixed-width Japanese face (kana and kanji one em, Latin half an em),
// "ＭＳ Ｐゴシック" and every other name a proportional one.
QStringList JapaneseFacesFor(const QString& named);

// Maps "ＭＳ ゴシック" and "ＭＳ Ｐゴシック" to those faces for every QFont that names them.
void InstallJapaneseFaces();

// The fonts above, the Japanese standard buttons and the program icon.
void ApplyAppLook(QApplication& app);
