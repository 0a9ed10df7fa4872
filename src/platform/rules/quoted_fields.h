// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lines of comma-separated fields in which text is written in double quotes and numbers bare
// (the category lists, the settings file, the profile file).
#include <QStringList>

namespace quoted_fields {

// Each field in turn: a quoted field without its quotes, an unquoted one up to the next comma or
// the line end without the blanks and tabs around it (an ideographic space is kept).
QStringList split(const QString& line);

// The first field of a line ("" for an empty line).
QString first(const QString& line);

// text in double quotes. The text must not hold a double quote (see canQuote).
QString quote(const QString& text);

bool canQuote(const QString& text);

}  // namespace quoted_fields
