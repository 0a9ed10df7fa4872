#pragma once
// The application-wide look: Japanese fonts, Japanese standard buttons, the program icon.
class QApplication;

// The fonts the windows name ("ＭＳ ゴシック", "ＭＳ Ｐゴシック") map to installed Japanese fonts.
void ApplyAppLook(QApplication& app);
