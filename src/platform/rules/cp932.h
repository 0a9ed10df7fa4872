// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Japanese ANSI code page (Shift-JIS as Windows extends it, code page 932).
// Decoding and encoding are strict: nothing is ever replaced by '?'.
#include <QByteArray>
#include <QString>
#include <optional>

namespace cp932 {

struct DecodeError {
  qsizetype byteOffset = 0;  // where the first undecodable sequence starts
  int line = 0;              // 1-based line of that offset
};

struct Decoded {
  QString text;
  std::optional<DecodeError> error;
};

Decoded decode(const QByteArray& bytes);

// The low-level form of decode, for readers that decode a file piece by piece: decodes the bytes
// into out, which has room for one character per byte. Stops at the first sequence that is not
// CP932; written counts the characters before it.
struct Run {
  qsizetype written = 0;
  qsizetype badOffset = -1;  // offset in bytes of the undecodable sequence, -1 when there is none
};
Run decodeInto(QByteArrayView bytes, char16_t* out);

// The offset of the first sequence of bytes that is not CP932, -1 when all of them decode.
qsizetype firstUndecodable(QByteArrayView bytes);

struct EncodeError {
  qsizetype position = 0;  // index in the text of the first character that cannot be encoded
  char32_t character = 0;
};

struct Encoded {
  QByteArray bytes;
  std::optional<EncodeError> error;
};

Encoded encode(const QString& text);

// Appends the bytes of text to out, for writers that build a file piece by piece. False, with
// out as it was, when a character cannot be held (firstUnencodable names it).
bool appendEncoded(QByteArray& out, QStringView text);

// The first character of text that CP932 cannot hold, if any.
std::optional<EncodeError> firstUnencodable(QStringView text);

// The text with the characters that other systems type for a JIS character (〜 for ～, say)
// replaced by the code page's own form, as the text will read back from a file.
QString toCodePageForms(const QString& text);

// "U+1F600 (😀)": how a message names a character.
QString describeCharacter(char32_t c);

}  // namespace cp932
