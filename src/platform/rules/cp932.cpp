// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <mutex>
#include <vector>

namespace cp932 {
namespace {

constexpr char16_t kInvalid = 0xFFFF;  // U+FFFF is not a character, so it marks "no mapping"

// Both tables are built once from glibc's CP932 converter, so the mapping is exactly iconv's,
// while decoding and encoding run as plain table look-ups.
struct Tables {
  std::array<char16_t, 256> single{};       // single-byte characters
  std::array<bool, 256> leadByte{};         // bytes that open a two-byte character
  std::vector<char16_t> pair;               // (lead << 8 | trail) -> character
  std::vector<quint16> encodeTable;         // character -> bytes (high byte 0 for single bytes); 0 = none

  Tables() : pair(65536, kInvalid), encodeTable(65536, 0) {
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    auto convert = [&](const char* in, size_t inLen) -> char16_t {
      char16_t out[4];
      char* inPtr = const_cast<char*>(in);
      char* outPtr = reinterpret_cast<char*>(out);
      size_t inLeft = inLen, outLeft = sizeof out;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0 ||
          sizeof out - outLeft != 2)
        return kInvalid;
      return out[0];
    };
    for (int b = 0; b < 256; ++b) {
      const char c = char(b);
      single[b] = convert(&c, 1);
      leadByte[b] = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    }
    for (int lead = 0; lead < 256; ++lead) {
      if (!leadByte[lead]) continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        const char two[2] = {char(lead), char(trail)};
        pair[lead << 8 | trail] = convert(two, 2);
      }
    }
    iconv_close(cd);
    // Encode: ask iconv for every character, so characters with several codes (the NEC and IBM
    // extensions) get the code iconv prefers. Only codes that read back as the same character
    // are kept: iconv's "best fit" guesses (¥ as a backslash, say) would change the text.
    iconv_t enc = iconv_open("CP932", "UTF-16LE");
    for (int c = 0x80; c < 0x10000; ++c) {
      if (c >= 0xD800 && c <= 0xDFFF) continue;
      const char16_t ch = char16_t(c);
      unsigned char out[4];
      char* inPtr = reinterpret_cast<char*>(const_cast<char16_t*>(&ch));
      char* outPtr = reinterpret_cast<char*>(out);
      size_t inLeft = 2, outLeft = sizeof out;
      iconv(enc, nullptr, nullptr, nullptr, nullptr);
      if (iconv(enc, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1)) continue;
      const size_t len = sizeof out - outLeft;
      if (len == 1 && single[out[0]] == ch) encodeTable[c] = out[0];
      else if (len == 2 && pair[out[0] << 8 | out[1]] == ch) encodeTable[c] = quint16(out[0] << 8 | out[1]);
    }
    iconv_close(enc);
    // Characters that Japanese text typed on other systems uses for the same JIS character
    // (the wave dash and its kin) are written as the code page's form of that character.
    const std::pair<char16_t, char16_t> kSameJisCharacter[] = {
        {0x301C, 0xFF5E},  // 〜 -> ～
        {0x2212, 0xFF0D},  // − -> －
        {0x2016, 0x2225},  // ‖ -> ∥
        {0x2014, 0x2015},  // — -> ―
        {0x00A2, 0xFFE0},  // ¢ -> ￠
        {0x00A3, 0xFFE1},  // £ -> ￡
        {0x00AC, 0xFFE2},  // ¬ -> ￢
        {0x00A5, 0xFFE5},  // ¥ -> ￥
        {0x203E, 0xFFE3},  // ‾ -> ￣
    };
    for (const auto& [other, own] : kSameJisCharacter)
      if (encodeTable[other] == 0) encodeTable[other] = encodeTable[own];
  }
};

const Tables& tables() {
  static const Tables t;
  return t;
}

int lineOfOffset(const QByteArray& bytes, qsizetype offset) {
  int line = 1;
  for (qsizetype i = 0; i < offset; ++i)
    if (bytes[i] == '\n') ++line;
  return line;
}

}  // namespace

Run decodeInto(QByteArrayView bytes, char16_t* out) {
  const Tables& t = tables();
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  const qsizetype n = bytes.size();
  qsizetype o = 0;
  for (qsizetype i = 0; i < n; ++i) {
    const unsigned char b = in[i];
    if (b < 0x80) {
      out[o++] = b;
      continue;
    }
    char16_t c = kInvalid;
    if (t.leadByte[b]) {
      if (i + 1 < n) c = t.pair[b << 8 | in[i + 1]];
      if (c != kInvalid) ++i;
    } else {
      c = t.single[b];
    }
    if (c == kInvalid) return Run{o, i};
    out[o++] = c;
  }
  return Run{o, -1};
}

qsizetype firstUndecodable(QByteArrayView bytes) {
  // Decoded a piece at a time into a small buffer, so that any size of input needs no more room.
  constexpr qsizetype kPiece = 4096;
  char16_t buffer[kPiece + 1];
  qsizetype start = 0;
  while (start < bytes.size()) {
    qsizetype length = std::min(kPiece, bytes.size() - start);
    // A piece does not end between the two bytes of a character: it takes the trail byte along.
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data() + start);
    if (length < bytes.size() - start) {
      qsizetype i = 0;
      while (i < length) i += tables().leadByte[in[i]] ? 2 : 1;
      length = i;
    }
    const Run run = decodeInto(bytes.sliced(start, length), buffer);
    if (run.badOffset >= 0) return start + run.badOffset;
    start += length;
  }
  return -1;
}

Decoded decode(const QByteArray& bytes) {
  Decoded result;
  QString& text = result.text;
  text.resize(bytes.size());
  const Run run = decodeInto(bytes, reinterpret_cast<char16_t*>(text.data()));
  text.truncate(run.written);
  if (run.badOffset >= 0) result.error = DecodeError{run.badOffset, lineOfOffset(bytes, run.badOffset)};
  return result;
}

bool appendEncoded(QByteArray& out, QStringView text) {
  const Tables& t = tables();
  const qsizetype start = out.size();
  out.resize(start + text.size() * 2);
  char* o = out.data() + start;
  for (const QChar qc : text) {
    const char16_t c = qc.unicode();
    if (c < 0x80) {
      *o++ = char(c);
      continue;
    }
    const quint16 code = t.encodeTable[c];
    if (code == 0 || QChar::isSurrogate(c)) {
      out.truncate(start);
      return false;
    }
    if (code > 0xFF) *o++ = char(code >> 8);
    *o++ = char(code & 0xFF);
  }
  out.truncate(o - out.constData());
  return true;
}

Encoded encode(const QString& text) {
  Encoded result;
  if (!appendEncoded(result.bytes, text)) result.error = firstUnencodable(text);
  return result;
}

std::optional<EncodeError> firstUnencodable(QStringView text) {
  const Tables& t = tables();
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = text[i].unicode();
    if (c < 0x80) continue;
    if (t.encodeTable[c] != 0 && !QChar::isSurrogate(c)) continue;
    char32_t full = c;
    if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate())
      full = QChar::surrogateToUcs4(c, text[i + 1].unicode());
    return EncodeError{i, full};
  }
  return std::nullopt;
}

QString toCodePageForms(const QString& text) {
  const Tables& t = tables();
  QString out = text;
  for (QChar& c : out) {
    const char16_t u = c.unicode();
    if (u < 0x80 || QChar::isSurrogate(u)) continue;
    const quint16 code = t.encodeTable[u];
    if (code == 0) continue;
    const char16_t own = code > 0xFF ? t.pair[code] : t.single[code];
    if (own != u) c = QChar(own);
  }
  return out;
}

QString describeCharacter(char32_t c) {
  const QString hex = QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
  const bool printable = QChar::isPrint(c) && !QChar::isSpace(c);
  return printable ? QStringLiteral("「%1」(U+%2)").arg(QString::fromUcs4(&c, 1), hex)
                   : QStringLiteral("U+%1").arg(hex);
}

}  // namespace cp932
