// SPDX-License-Identifier: GPL-3.0-or-later
// The Japanese code page: the characters the data files rely on, strict decoding with the line of
// a bad byte, and strict encoding that never produces a substitute byte.
#include "platform/rules/cp932.h"

#include <gtest/gtest.h>

#include <map>

#include "rules_test_util.h"

namespace {

struct Mapping {
  std::string name;
  QByteArray bytes;
  QString text;
};

// Characters whose code differs between plain Shift-JIS and the Windows code page, and the byte
// ranges (half-width katakana, trail bytes equal to '\\') that naive converters get wrong.
const Mapping kMappings[] = {
    {"Ascii", "Point 7", u"Point 7"_s},
    {"FullWidthTildeIsWaveDash", "\x81\x60", u"\uFF5E"_s},
    {"CalorieSign", "\x87\x69", u"㌍"_s},
    {"CircledOne", "\x87\x40", u"①"_s},
    {"FullWidthMinus", "\x81\x7C", u"\uFF0D"_s},
    {"HalfWidthKatakana", "\xCC\xDF\xD7\xB2\xCD\xDE\xB0\xC4", u"ﾌﾟﾗｲﾍﾞｰﾄ"_s},
    {"HalfWidthKanaAtRangeEnds", "\xA1\xDF", u"｡ﾟ"_s},
    {"TrailByteIsBackslash", "\x83\x5C\x95\x5C", u"ソ表"_s},
    {"LabelWithCalorieSign", "\x81\x79\x88\xEA\x90\x6C\x95\xAA\x87\x69\x81\x7A", u"【一人分㌍】"_s},
};

void PrintTo(const Mapping& m, std::ostream* os) { *os << m.name; }

class Cp932Mapping : public testing::TestWithParam<Mapping> {};

TEST_P(Cp932Mapping, DecodesToTheCharacter) {
  const cp932::Decoded decoded = cp932::decode(GetParam().bytes);
  EXPECT_FALSE(decoded.error);
  EXPECT_EQ(decoded.text, GetParam().text);
}

TEST_P(Cp932Mapping, EncodesToTheBytes) {
  const cp932::Encoded encoded = cp932::encode(GetParam().text);
  EXPECT_FALSE(encoded.error);
  EXPECT_EQ(encoded.bytes, GetParam().bytes);
  EXPECT_FALSE(cp932::firstUnencodable(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Characters, Cp932Mapping, testing::ValuesIn(kMappings), ByName());

// Kanji that the code page holds twice (NEC and IBM extension rows) read as the same character,
// and are written with one code.
TEST(Cp932, DuplicateCodesDecodeAlikeAndEncodeOnce) {
  EXPECT_EQ(cp932::decode("\xED\x40").text, u"纊"_s);
  EXPECT_EQ(cp932::decode("\xFA\x5C").text, u"纊"_s);
  EXPECT_EQ(cp932::decode("\x87\x9A").text, u"∵"_s);
  EXPECT_EQ(cp932::decode("\x81\xE6").text, u"∵"_s);
  EXPECT_EQ(cp932::encode(u"纊"_s).bytes, QByteArray("\xFA\x5C"));
  EXPECT_EQ(cp932::encode(u"∵"_s).bytes, QByteArray("\x81\xE6"));
}

// Every two-byte code that decodes must survive a write and a re-read as the same character.
TEST(Cp932, EveryDecodableCodeRoundTrips) {
  int decodable = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead >= 0xA0 && lead < 0xE0) continue;  // single-byte katakana, not lead bytes
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const char pair[2] = {char(lead), char(trail)};
      const cp932::Decoded decoded = cp932::decode(QByteArray(pair, 2));
      if (decoded.error) continue;
      ++decodable;
      ASSERT_EQ(decoded.text.size(), 1) << std::hex << lead << ' ' << trail;
      const cp932::Encoded encoded = cp932::encode(decoded.text);
      ASSERT_FALSE(encoded.error) << std::hex << lead << ' ' << trail;
      EXPECT_EQ(cp932::decode(encoded.bytes).text, decoded.text) << std::hex << lead << ' ' << trail;
    }
  }
  // JIS X 0208, the NEC rows, the IBM extensions and the user-defined area: well over 9000 codes.
  EXPECT_GT(decodable, 9000);
}

// What the encoder accepts reads back as the same text, with one deliberate exception: the
// characters other systems type for a JIS character the code page holds in another form (the wave
// dash and its kin) are written as that form. Any other look-alike (iconv's "best fit", such as ¥
// as the backslash byte) would change the text silently.
TEST(Cp932, EncodingChangesNothingButTheWaveDashKin) {
  const std::map<char32_t, char32_t> kin = {{0x301C, 0xFF5E}, {0x2212, 0xFF0D}, {0x2016, 0x2225},
                                            {0x2014, 0x2015}, {0x00A2, 0xFFE0}, {0x00A3, 0xFFE1},
                                            {0x00AC, 0xFFE2}, {0x00A5, 0xFFE5}, {0x203E, 0xFFE3}};
  QStringList changed;
  for (char32_t c = 0x80; c < 0x10000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const QString text = QString::fromUcs4(&c, 1);
    const cp932::Encoded encoded = cp932::encode(text);
    if (encoded.error) continue;
    const auto own = kin.find(c);
    const char32_t expected = own == kin.end() ? c : own->second;
    if (cp932::decode(encoded.bytes).text != QString::fromUcs4(&expected, 1))
      changed.append(cp932::describeCharacter(c));
  }
  EXPECT_TRUE(changed.isEmpty()) << changed.size()
                                 << " characters read back as another one: " << changed.join(u" "_s).toStdString();
  EXPECT_EQ(cp932::encode(u"ほうれん草〜"_s).bytes, cp932::encode(u"ほうれん草～"_s).bytes);
  EXPECT_EQ(cp932::encode(u"\u00A5"_s).bytes, QByteArray("\x81\x8F"));  // ￥, not the backslash byte
}

struct BadBytes {
  std::string name;
  QByteArray bytes;
  qsizetype offset;
  int line;
};

const BadBytes kBadBytes[] = {
    {"UnassignedRow", "\x85\x40", 0, 1},
    {"Byte80", "x\r\n\x80", 3, 2},
    {"LeadByteAtEnd", "abc\r\ndef\r\n\x82", 10, 3},
    {"TrailByteOutOfRange", "\x82\x20", 0, 1},
    {"AfterTwoByteCharacters", "\x93\xF7\r\n\x82\xB6\r\n\x82\xE1\xFD", 10, 3},
    {"LoneLfCountsAsLineEnd", "a\nb\nc\n\xFE", 6, 4},
};

void PrintTo(const BadBytes& b, std::ostream* os) { *os << b.name; }

class Cp932BadBytes : public testing::TestWithParam<BadBytes> {};

TEST_P(Cp932BadBytes, ReportsOffsetAndLine) {
  const cp932::Decoded decoded = cp932::decode(GetParam().bytes);
  ASSERT_TRUE(decoded.error);
  EXPECT_EQ(decoded.error->byteOffset, GetParam().offset);
  EXPECT_EQ(decoded.error->line, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Decode, Cp932BadBytes, testing::ValuesIn(kBadBytes), ByName());

struct Unencodable {
  std::string name;
  QString text;
  qsizetype position;
  char32_t character;
};

const Unencodable kUnencodable[] = {
    {"AccentedLetter", u"caf\u00E9"_s, 3, 0xE9},
    {"EmojiAfterKanji", u"肉じゃが😀"_s, 4, 0x1F600},
    {"FirstOfSeveral", u"a\u00E9b\uD55C"_s, 1, 0xE9},
    {"EmojiOnLaterLine", u"牛肉\r\n😀"_s, 4, 0x1F600},
};

void PrintTo(const Unencodable& u, std::ostream* os) { *os << u.name; }

class Cp932Unencodable : public testing::TestWithParam<Unencodable> {};

TEST_P(Cp932Unencodable, IsRefusedWithoutBytes) {
  const cp932::Encoded encoded = cp932::encode(GetParam().text);
  ASSERT_TRUE(encoded.error);
  EXPECT_EQ(encoded.error->position, GetParam().position);
  EXPECT_EQ(encoded.error->character, GetParam().character);
  EXPECT_TRUE(encoded.bytes.isEmpty());
  EXPECT_TRUE(cp932::describeCharacter(GetParam().character)
                  .contains(u"U+%1"_s.arg(uint(GetParam().character), 4, 16, QLatin1Char('0')).toUpper()));
}

INSTANTIATE_TEST_SUITE_P(Encode, Cp932Unencodable, testing::ValuesIn(kUnencodable), ByName());

}  // namespace
