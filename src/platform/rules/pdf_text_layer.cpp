// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/pdf_text_layer.h"

#include <QByteArrayView>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

// A four-digit hex token "<XXXX>" at data[at], as ToUnicode maps write one character.
struct HexToken {
  qsizetype at;  // of the first digit
  char16_t value;
};

std::optional<char16_t> HexValue(QByteArrayView digits) {
  bool ok = false;
  const uint value = digits.toByteArray().toUInt(&ok, 16);
  return ok && value <= 0xFFFF ? std::optional<char16_t>(char16_t(value)) : std::nullopt;
}

std::vector<HexToken> HexTokens(std::span<char> line, qsizetype offset) {
  std::vector<HexToken> tokens;
  for (size_t i = 0; i + 5 < line.size(); ++i) {
    if (line[i] != '<' || line[i + 5] != '>') continue;
    if (auto value = HexValue(QByteArrayView(line.data() + i + 1, 4))) tokens.push_back({offset + qsizetype(i) + 1, *value});
  }
  return tokens;
}

void WriteHex(char* at, char16_t value) {
  char digits[5];
  std::snprintf(digits, sizeof digits, "%04X", unsigned(value));
  std::copy(digits, digits + 4, at);
}

// Mends the map's lines: "<first> <last> <character>" for a range (one glyph when first equals
// last), "<first> <last> [<character> ...]" for one character each, "<glyph> <character>".
int MendMap(std::span<char> map, const LookAlikes& meant) {
  int mended = 0;
  qsizetype start = 0;
  const QByteArrayView view(map.data(), qsizetype(map.size()));
  while (start < view.size()) {
    qsizetype end = view.indexOf('\n', start);
    if (end < 0) end = view.size();
    const std::span<char> line = map.subspan(size_t(start), size_t(end - start));
    const std::vector<HexToken> tokens = HexTokens(line, start);
    const bool array = QByteArrayView(line.data(), qsizetype(line.size())).contains('[');
    size_t first = tokens.size() == 2 ? 1 : 2;  // the first destination
    if (!array && tokens.size() == 3 && tokens[0].value != tokens[1].value) first = tokens.size();  // a range
    for (size_t i = first; i < tokens.size(); ++i) {
      const auto found = meant.constFind(tokens[i].value);
      if (found == meant.constEnd()) continue;
      WriteHex(map.data() + tokens[i].at, *found);
      ++mended;
    }
    start = end + 1;
  }
  return mended;
}

}  // namespace

int MendTextLayer(std::span<char> pdf, const LookAlikes& meant) {
  if (meant.isEmpty()) return 0;
  const QByteArrayView view(pdf.data(), qsizetype(pdf.size()));
  int mended = 0;
  for (qsizetype at = view.indexOf("/ToUnicode "); at >= 0; at = view.indexOf("/ToUnicode ", at + 1)) {
    // "/ToUnicode N 0 R" names the object "N 0 obj" whose stream is the map.
    const qsizetype numberAt = at + 11;
    qsizetype numberEnd = numberAt;
    while (numberEnd < view.size() && view[numberEnd] >= '0' && view[numberEnd] <= '9') ++numberEnd;
    if (numberEnd == numberAt) continue;
    const QByteArray object = "\n" + view.sliced(numberAt, numberEnd - numberAt).toByteArray() + " 0 obj";
    qsizetype objectAt = view.lastIndexOf(object, at);  // written before the font that names it
    if (objectAt < 0) objectAt = view.indexOf(object, at);
    if (objectAt < 0) continue;
    const qsizetype streamAt = view.indexOf("stream\n", objectAt);
    const qsizetype streamEnd = streamAt < 0 ? -1 : view.indexOf("endstream", streamAt);
    if (streamEnd < 0) continue;
    const qsizetype from = streamAt + 7;
    mended += MendMap(pdf.subspan(size_t(from), size_t(streamEnd - from)), meant);
  }
  return mended;
}
