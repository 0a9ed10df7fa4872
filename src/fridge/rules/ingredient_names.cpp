// SPDX-License-Identifier: GPL-3.0-or-later
#include "fridge/rules/ingredient_names.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// Common spellings of one ingredient; the first is the one the others fold to. Entries are
// matched after width and kana folding, so katakana spellings need no entry of their own.
const std::initializer_list<std::initializer_list<const char16_t*>> kVariantGroups = {
    {u"玉ねぎ", u"たまねぎ", u"玉葱"},
    {u"長ねぎ", u"長葱", u"ながねぎ", u"白ねぎ"},
    {u"ねぎ", u"葱"},
    {u"人参", u"にんじん"},
    {u"生姜", u"しょうが"},
    {u"にんにく", u"大蒜"},
    {u"醤油", u"しょうゆ", u"しょう油", u"正油"},
    {u"砂糖", u"さとう", u"お砂糖"},
    {u"塩", u"しお", u"お塩", u"食塩"},
    {u"胡椒", u"こしょう"},
    {u"味噌", u"みそ", u"お味噌"},
    {u"酢", u"お酢"},
    {u"みりん", u"味醂", u"本みりん"},
    {u"酒", u"日本酒", u"料理酒", u"お酒"},
    {u"胡麻", u"ごま"},
    {u"卵", u"玉子", u"たまご", u"鶏卵"},
    {u"鶏", u"とり", u"鳥"},
    {u"豚", u"ぶた"},
    {u"牛乳", u"ぎゅうにゅう"},
    {u"挽き肉", u"ひき肉", u"挽肉", u"ひきにく"},
    {u"じゃがいも", u"じゃが芋", u"馬鈴薯"},
    {u"さつまいも", u"さつま芋", u"薩摩芋"},
    {u"里芋", u"さといも"},
    {u"長芋", u"ながいも", u"長いも"},
    {u"椎茸", u"しいたけ"},
    {u"舞茸", u"まいたけ"},
    {u"南瓜", u"かぼちゃ"},
    {u"胡瓜", u"きゅうり"},
    {u"茄子", u"なすび", u"なす"},
    {u"大根", u"だいこん"},
    {u"白菜", u"はくさい"},
    {u"蓮根", u"れんこん"},
    {u"牛蒡", u"ごぼう"},
    {u"筍", u"竹の子", u"たけのこ"},
    {u"小松菜", u"こまつな"},
    {u"ほうれん草", u"ほうれんそう", u"法蓮草"},
    {u"春菊", u"しゅんぎく"},
    {u"豆腐", u"とうふ"},
    {u"蒟蒻", u"こんにゃく"},
    {u"片栗粉", u"かたくり粉"},
    {u"海老", u"えび"},
    {u"鮭", u"しゃけ"},
    {u"烏賊", u"いか"},
    {u"蛸", u"たこ"},
    {u"鰹節", u"かつお節", u"かつおぶし"},
    {u"昆布", u"こんぶ"},
    {u"若布", u"わかめ"},
    {u"檸檬", u"れもん"},
    {u"苺", u"いちご"},
    {u"林檎", u"りんご"},
};

const QStringView kTapWater[] = {u"水", u"お水", u"湯", u"お湯", u"熱湯", u"ぬるま湯", u"冷水", u"氷水"};

const QString kLeadMarks = QStringLiteral("・･•●○◎◯■□◆◇★☆▲△▼▽*＊-－+＋→");
const QString kOpenBrackets = QStringLiteral("(（[［<＜〈《【「『{｛≪");
const QString kCloseBrackets = QStringLiteral(")）]］>＞〉》】」』}｝≫");
const QString kNameEnds = QStringLiteral(":：…‥=＝~～〜");
const QString kAmountSeparators = QStringLiteral(":：…‥=＝~～〜・･");
const QString kNameSplits = QStringLiteral("、，,・･");
const QString kMiddleDots = QStringLiteral("・･•‧");
const QString kKanjiNumerals = QStringLiteral("一二三四五六七八九十半数");
const QStringView kAmountWords[] = {u"大さじ", u"小さじ", u"大匙", u"小匙", u"少々", u"少量", u"少し",
                                    u"適量", u"適宜", u"各", u"ひとつまみ", u"お好みで", u"好みで"};
const QStringView kCounters[] = {u"個", u"本", u"枚", u"片", u"切れ", u"束", u"株", u"玉", u"丁", u"缶",
                                 u"袋", u"合", u"杯", u"つ", u"かけ", u"房", u"尾", u"匹", u"分"};
const QStringView kSizeWords[] = {u"大きめ", u"小さめ", u"大", u"中", u"小"};
constexpr QStringView kCup = u"カップ";

template <typename Words>
bool startsWithAny(QStringView text, const Words& words) {
  return std::any_of(std::begin(words), std::end(words), [&](QStringView w) { return text.startsWith(w); });
}

// What a character may do in the name rule, looked up in one table: the rule walks every line of
// a whole book.
enum CharFlag : quint8 {
  kBlank = 1,
  kDigit = 2,
  kEndsTheName = 4,
  kMayOpenAWord = 8,
  kSplitsTheName = 16,
  kSeparatesTheAmount = 32
};

quint8 flagsOf(QChar c) {
  static const std::vector<quint8> flags = [] {
    std::vector<quint8> table(0x10000, 0);
    for (char32_t u = 0; u < 0x10000; ++u)
      table[u] |= (QChar(char16_t(u)).isSpace() ? kBlank : 0) | (QChar(char16_t(u)).isDigit() ? kDigit : 0);
    const auto mark = [&](const QString& chars, CharFlag flag) {
      for (QChar ch : chars) table[ch.unicode()] |= flag;
    };
    mark(kOpenBrackets, kEndsTheName);
    mark(kNameEnds, kEndsTheName);
    mark(kNameSplits, kSplitsTheName);
    mark(kAmountSeparators, kSeparatesTheAmount);
    const auto opens = [&](QStringView word) { table[word.front().unicode()] |= kMayOpenAWord; };
    std::for_each(std::begin(kAmountWords), std::end(kAmountWords), opens);
    std::for_each(std::begin(kSizeWords), std::end(kSizeWords), opens);
    opens(kCup);
    for (QChar n : kKanjiNumerals) table[n.unicode()] |= kMayOpenAWord;
    return table;
  }();
  return flags[c.unicode()];
}

bool isLatinLetter(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'Ａ' && u <= u'Ｚ') || (u >= u'ａ' && u <= u'ｚ');
}

bool kanjiCountAt(QStringView text) {
  return !text.isEmpty() && kKanjiNumerals.contains(text.front()) && startsWithAny(text.mid(1), kCounters);
}

// A size word (大, 中, 小, 大きめ, 小さめ) that opens the amount: "じゃがいも中3個", "玉葱大1個".
bool sizeWordAt(QStringView rest) {
  for (QStringView w : kSizeWords) {
    if (!rest.startsWith(w)) continue;
    const QStringView after = rest.mid(w.size());
    if (after.isEmpty() || after.front().isSpace() || after.front().isDigit() || kanjiCountAt(after)) return true;
  }
  return false;
}

// Where the amount begins at position i of text, a name that starts at 0 with leadingDigits
// digits. A number that opens the name is part of it ("3倍濃縮めんつゆ", "7分づき米",
// "100%オレンジジュース").
bool amountStartsAt(QStringView text, qsizetype i, qsizetype leadingDigits) {
  const QChar c = text[i];
  const quint8 flags = flagsOf(c);
  if (flags & (kEndsTheName | kBlank)) return true;
  if (flags & kDigit) return i > leadingDigits;
  if (i == 0 || !(flags & kMayOpenAWord)) return false;
  const QStringView rest = text.mid(i);
  if (startsWithAny(rest, kAmountWords) || sizeWordAt(rest)) return true;
  if (rest.startsWith(kCup) && rest.size() > kCup.size() && rest[kCup.size()].isDigit()) return true;
  return kanjiCountAt(rest);
}

// "2個", "200g", "1/2": a number and at most a unit, where a name was expected.
bool isBareAmount(QStringView name) {
  qsizetype i = 0;
  while (i < name.size() && (name[i].isDigit() || name[i] == u'/' || name[i] == u'.' || name[i] == u'／')) ++i;
  if (i == 0) return false;
  const QStringView unit = name.mid(i);
  if (unit.isEmpty() || std::any_of(std::begin(kCounters), std::end(kCounters), [&](QStringView c) { return unit == c; }))
    return true;
  return std::all_of(unit.begin(), unit.end(), isLatinLetter);
}

// "①", "⑴", "⒈": a numbered mark that opens a line.
bool isNumberMark(QChar c) { return c.unicode() >= 0x2460 && c.unicode() <= 0x24FF; }

// "A 醤油", "A:醤油", "A.みりん", "Ａ）砂糖": a group letter and what closes it.
bool groupLetterAt(QStringView text) {
  static const QString kLetterEnds = QStringLiteral(":：)）.．");
  return text.size() > 1 && isLatinLetter(text[0]) && (text[1].isSpace() || kLetterEnds.contains(text[1]));
}

QStringView trimmedOf(QStringView text, CharFlag marks) {
  while (!text.isEmpty() && (flagsOf(text.front()) & (kBlank | marks))) text = text.mid(1);
  while (!text.isEmpty() && (flagsOf(text.back()) & (kBlank | marks))) text.chop(1);
  return text;
}

struct SplitLine {
  QStringView name;
  QStringView amount;
};

// Rules 1 to 3 of the header: the name and the amount of a line; an empty name for a line that
// names nothing.
SplitLine splitLine(QStringView line) {
  QStringView text = line.trimmed();
  if (text.isEmpty() || text.front() == u'※') return {};
  while (!text.isEmpty() && (kLeadMarks.contains(text.front()) || isNumberMark(text.front()) || text.front().isSpace()))
    text = text.mid(1);
  if (text.isEmpty()) return {};
  if (const qsizetype open = kOpenBrackets.indexOf(text.front()); open >= 0) {
    const qsizetype close = text.indexOf(kCloseBrackets[open], 1);
    if (close < 0 || close == text.size() - 1) return {};  // a heading in brackets
    text = text.mid(close + 1).trimmed();
  } else if (groupLetterAt(text)) {
    text = text.mid(2).trimmed();
  }
  qsizetype leadingDigits = 0;
  while (leadingDigits < text.size() && text[leadingDigits].isDigit()) ++leadingDigits;
  qsizetype end = 0;
  while (end < text.size() && !amountStartsAt(text, end, leadingDigits)) ++end;
  if (isBareAmount(text.first(end))) return {};
  SplitLine split{trimmedOf(text.first(end), kSplitsTheName), trimmedOf(text.mid(end), kSeparatesTheAmount)};
  const bool labelOnly = split.amount.isEmpty() && end < text.size() && (text[end] == u':' || text[end] == u'：');
  if (labelOnly || split.name == u"材料") return {};
  return split;
}

bool isTapWater(QStringView name) {
  return std::any_of(std::begin(kTapWater), std::end(kTapWater), [&](QStringView w) { return name == w; });
}

// Width, kana and letter case folded; the variants not yet applied.
QString foldLetters(QStringView name) {
  QString folded = name.toString().normalized(QString::NormalizationForm_KC);
  for (QChar& c : folded)
    if (c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6) c = QChar(char16_t(c.unicode() - 0x60));
  folded.removeIf([](QChar c) { return kMiddleDots.contains(c); });
  return folded.toCaseFolded();
}

// The variant table folded, indexed by first character, longest spelling first.
class VariantTable {
 public:
  VariantTable() {
    for (const auto& group : kVariantGroups) {
      const QString canonical = foldLetters(QStringView(*group.begin()));
      for (const char16_t* spelling : group) {
        const QString folded = foldLetters(QStringView(spelling));
        byFirst_[folded.front().unicode()].emplace_back(folded, canonical);
      }
    }
    for (auto& spellings : byFirst_)
      std::stable_sort(spellings.begin(), spellings.end(),
                       [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
  }

  QString apply(const QString& folded) const {
    QString result;
    result.reserve(folded.size());
    for (qsizetype i = 0; i < folded.size();) {
      const auto found = byFirst_.constFind(folded[i].unicode());
      const std::pair<QString, QString>* match = nullptr;
      if (found != byFirst_.constEnd()) {
        const QStringView rest = QStringView(folded).mid(i);
        for (const auto& entry : *found)
          if (rest.startsWith(entry.first)) {
            match = &entry;
            break;
          }
      }
      if (match) {
        result += match->second;
        i += match->first.size();
      } else {
        result += folded[i++];
      }
    }
    return result;
  }

 private:
  QHash<char16_t, std::vector<std::pair<QString, QString>>> byFirst_;
};

}  // namespace

QString IngredientNamePart(QStringView line) { return splitLine(line).name.toString(); }

QStringView IngredientNamesOf(QStringView line, IngredientNameViews& names) {
  names.clear();
  const SplitLine split = splitLine(line);
  if (split.name.isEmpty()) return {};
  qsizetype start = 0;
  for (qsizetype i = 0; i <= split.name.size(); ++i) {
    if (i < split.name.size() && !(flagsOf(split.name[i]) & kSplitsTheName)) continue;
    const QStringView part = trimmedOf(split.name.mid(start, i - start), kSplitsTheName);
    if (!part.isEmpty() && !isTapWater(part)) names.append(part);
    start = i + 1;
  }
  return split.amount;
}

QList<IngredientNeed> ReadIngredientLine(QStringView line) {
  IngredientNameViews names;
  const QString amount = IngredientNamesOf(line, names).toString();
  QList<IngredientNeed> needs;
  for (QStringView name : names) needs.append({name.toString(), amount});
  return needs;
}

QString FoldIngredientName(QStringView name) {
  static const VariantTable table;
  return table.apply(foldLetters(name));
}

const QString& IngredientFolder::key(QStringView name) {
  auto found = keys_.find(name);
  if (found == keys_.end()) found = keys_.emplace(name.toString(), FoldIngredientName(name)).first;
  return found->second;
}
