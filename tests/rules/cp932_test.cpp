// The Japanese code page: the characters the data files rely on, strict decoding with the line of
// a bad byte, and strict encoding that never produces a substitute byte.
#include "platform/rules/cp932.h"

#include <gtest/gtest.h>

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
    {"Ascii", "Point 7", QStringLiteral("Point 7")},
    {"FullWidthTildeIsWaveDash", "\x81\x60", QStringLiteral("\uFF5E")},
    {"CalorieSign", "\x87\x69", QStringLiteral("㌍")},
    {"CircledOne", "\x87\x40", QStringLiteral("①")},
    {"FullWidthMinus", "\x81\x7C", QStringLiteral("\uFF0D")},
    {"ParallelTo", "\x81\x61", QStringLiteral("\u2225")},
    {"FullWidthNotSign", "\x81\xCA", QStringLiteral("\uFFE2")},
    {"IdeographicSpace", "\x81\x40", QStringLiteral("\u3000")},
    {"HalfWidthKatakana", "\xCC\xDF\xD7\xB2\xCD\xDE\xB0\xC4", QStringLiteral("ﾌﾟﾗｲﾍﾞｰﾄ")},
    {"HalfWidthKanaAtRangeEnds", "\xA1\xDF", QStringLiteral("｡ﾟ")},
    {"TrailByteIsBackslash", "\x83\x5C\x95\x5C", QStringLiteral("ソ表")},
    {"DishName", "\x93\xF7\x82\xB6\x82\xE1\x82\xAA", QStringLiteral("肉じゃが")},
    {"LabelWithCalorieSign", "\x81\x79\x88\xEA\x90\x6C\x95\xAA\x87\x69\x81\x7A", QStringLiteral("【一人分㌍】")},
    {"CrLfKept", "a\r\nb", QStringLiteral("a\r\nb")},
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
}

INSTANTIATE_TEST_SUITE_P(Characters, Cp932Mapping, testing::ValuesIn(kMappings), ByName());

// Kanji that the code page holds twice (NEC and IBM extension rows) read as the same character,
// and are written with one code.
TEST(Cp932, DuplicateCodesDecodeAlikeAndEncodeOnce) {
  EXPECT_EQ(cp932::decode("\xED\x40").text, QStringLiteral("纊"));
  EXPECT_EQ(cp932::decode("\xFA\x5C").text, QStringLiteral("纊"));
  EXPECT_EQ(cp932::decode("\x87\x9A").text, QStringLiteral("∵"));
  EXPECT_EQ(cp932::decode("\x81\xE6").text, QStringLiteral("∵"));
  EXPECT_EQ(cp932::encode(QStringLiteral("纊")).bytes, QByteArray("\xFA\x5C"));
  EXPECT_EQ(cp932::encode(QStringLiteral("∵")).bytes, QByteArray("\x81\xE6"));
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

// What the encoder accepts must read back as the same text. A character that is only "close to"
// a CP932 character (a yen sign written as the backslash byte, U+301C written as U+FF5E) changes
// the text silently: a dish name typed with it would no longer match itself after a reload.
TEST(Cp932, EncodingNeverChangesTheTextOnReading) {
  QStringList changed;
  for (char32_t c = 0x80; c < 0x10000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const QString text = QString::fromUcs4(&c, 1);
    const cp932::Encoded encoded = cp932::encode(text);
    if (encoded.error) continue;
    if (cp932::decode(encoded.bytes).text != text) changed.append(cp932::describeCharacter(c));
  }
  EXPECT_TRUE(changed.isEmpty()) << changed.size() << " characters are written as another one: "
                                 << changed.join(QStringLiteral(" ")).toStdString();
}

struct BadBytes {
  std::string name;
  QByteArray bytes;
  qsizetype offset;
  int line;
};

const BadBytes kBadBytes[] = {
    {"UnassignedRow", "\x85\x40", 0, 1},
    {"ByteA0", "ab\xA0", 2, 1},
    {"ByteFF", "\xFF", 0, 1},
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
    {"AccentedLetter", QStringLiteral("caf\u00E9"), 3, 0xE9},
    {"EmojiAfterKanji", QStringLiteral("肉じゃが😀"), 4, 0x1F600},
    {"Hangul", QStringLiteral("\uD55C"), 0, 0xD55C},
    {"FirstOfSeveral", QStringLiteral("a\u00E9b\uD55C"), 1, 0xE9},
    {"EmojiOnLaterLine", QStringLiteral("牛肉\r\n😀"), 4, 0x1F600},
};

void PrintTo(const Unencodable& u, std::ostream* os) { *os << u.name; }

class Cp932Unencodable : public testing::TestWithParam<Unencodable> {};

TEST_P(Cp932Unencodable, IsRefusedWithoutBytes) {
  const cp932::Encoded encoded = cp932::encode(GetParam().text);
  ASSERT_TRUE(encoded.error);
  EXPECT_EQ(encoded.error->position, GetParam().position);
  EXPECT_EQ(encoded.error->character, GetParam().character);
  EXPECT_TRUE(encoded.bytes.isEmpty());
  ASSERT_TRUE(cp932::firstUnencodable(GetParam().text));
  EXPECT_EQ(cp932::firstUnencodable(GetParam().text)->character, GetParam().character);
}

INSTANTIATE_TEST_SUITE_P(Encode, Cp932Unencodable, testing::ValuesIn(kUnencodable), ByName());

TEST(Cp932, EncodableTextHasNoUnencodableCharacter) {
  EXPECT_FALSE(cp932::firstUnencodable(QStringLiteral("【一人分㌍】350 ～ ①ﾔｯﾀｧ")));
}

TEST(Cp932, DescribeCharacterNamesTheCodePoint) {
  EXPECT_TRUE(cp932::describeCharacter(0x1F600).contains(QStringLiteral("U+1F600")));
  EXPECT_TRUE(cp932::describeCharacter(0xE9).contains(QStringLiteral("U+00E9")));
  EXPECT_TRUE(cp932::describeCharacter(0xE9).contains(QStringLiteral("\u00E9")));
}

}  // namespace
