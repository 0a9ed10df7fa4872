// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's words for why a file could not be read or written come in English ("Read-only
// file system"); a message to the user gives the Japanese words for the common ones.
#include <QString>

// The Japanese words for a system error text, or the text as it is when it is not a common one.
QString SystemErrorInJapanese(const QString& text);
