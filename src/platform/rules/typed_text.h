// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user typed, as the data files hold it. Every place that stores typed text or names a
// file after it goes through here, so that a name typed one way finds what was stored the other.
#include <QString>

namespace typed_text {

// The typed text as it will be stored and read back: line breaks (LF, CR or CR LF) become CR LF,
// and the characters other systems type for a code-page character ("〜" U+301C for "～" U+FF5E,
// "−" for "－", "‖" for "∥", "¢" for "￠" and their kin) become the code page's own form.
QString ToStored(const QString& typed);

// A stored text for a multi-line text box, which holds LF between lines.
QString ForTextBox(const QString& stored);

}  // namespace typed_text
