// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/rules/aisles.h"

#include <algorithm>

#include "fridge/rules/ingredient_names.h"
#include "platform/rules/quoted_fields.h"
#include "platform/rules/text_file.h"

namespace {

struct BuiltInAisle {
  const char16_t* name;
  int keepsDays;
  std::initializer_list<const char16_t*> words;
};

// In this order on the list. A name that holds words of two sections at equal length goes to the
// earlier one ("塩鮭" to 魚介, not 調味料).
const BuiltInAisle kBuiltIn[] = {
    {u"野菜・果物", 5,
     {u"玉ねぎ", u"人参", u"じゃがいも", u"キャベツ", u"レタス", u"トマト", u"胡瓜", u"茄子", u"ピーマン", u"パプリカ",
      u"大根", u"白菜", u"ほうれん草", u"小松菜", u"水菜", u"春菊", u"ねぎ", u"長ねぎ", u"ニラ", u"もやし", u"豆苗",
      u"ブロッコリー", u"カリフラワー", u"南瓜", u"牛蒡", u"蓮根", u"生姜", u"にんにく", u"椎茸", u"しめじ", u"えのき",
      u"舞茸", u"エリンギ", u"きのこ", u"セロリ", u"アスパラ", u"オクラ", u"大葉", u"三つ葉", u"パセリ", u"みょうが",
      u"里芋", u"さつまいも", u"長芋", u"筍", u"ゴーヤ", u"ズッキーニ", u"アボカド", u"林檎", u"バナナ", u"檸檬", u"苺",
      u"みかん", u"オレンジ", u"キウイ", u"ぶどう", u"梨", u"柿", u"すだち", u"ゆず", u"かいわれ", u"野菜"}},
    {u"肉", 3,
     {u"肉", u"鶏", u"豚", u"牛", u"挽き肉", u"ささみ", u"手羽", u"ベーコン", u"ハム", u"ソーセージ", u"ウインナー",
      u"レバー"}},
    {u"魚介", 2,
     {u"魚", u"鮭", u"さば", u"鯖", u"いわし", u"鰯", u"鯵", u"さんま", u"ぶり", u"鰤", u"たら", u"鱈", u"まぐろ",
      u"鮪", u"かつお", u"鰹", u"鯛", u"かれい", u"海老", u"烏賊", u"蛸", u"あさり", u"しじみ", u"帆立",
      u"ほたて", u"牡蠣", u"しらす", u"ちくわ", u"かまぼこ", u"はんぺん", u"明太子", u"たらこ", u"うなぎ",
      u"刺身"}},
    {u"卵・乳製品", 10, {u"卵", u"牛乳", u"チーズ", u"バター", u"ヨーグルト", u"生クリーム", u"クリーム", u"乳"}},
    {u"豆腐・大豆製品", 4,
     {u"豆腐", u"油揚げ", u"厚揚げ", u"納豆", u"豆乳", u"がんもどき", u"おから", u"蒟蒻", u"しらたき"}},
    {u"米・麺・パン", 7,
     {u"米", u"ご飯", u"ごはん", u"餅", u"うどん", u"そば", u"そうめん", u"パスタ", u"スパゲッティ", u"マカロニ",
      u"ラーメン", u"中華麺", u"麺", u"焼きそば", u"パン", u"食パン"}},
    {u"調味料", 90,
     {u"塩", u"砂糖", u"醤油", u"味噌", u"酢", u"米酢", u"みりん", u"酒", u"胡椒", u"油", u"胡麻油", u"サラダ油",
      u"オリーブオイル", u"マヨネーズ", u"ケチャップ", u"ソース", u"めんつゆ", u"ポン酢", u"だし", u"コンソメ",
      u"スープの素", u"ブイヨン", u"豆板醤", u"甜麺醤", u"コチュジャン", u"からし", u"わさび", u"七味", u"一味",
      u"カレールウ", u"ルウ", u"はちみつ", u"ドレッシング", u"バルサミコ", u"ナンプラー"}},
    {u"乾物・その他", 60,
     {u"小麦粉", u"薄力粉", u"強力粉", u"片栗粉", u"パン粉", u"粉", u"胡麻", u"海苔", u"若布", u"昆布", u"鰹節", u"ひじき",
      u"春雨", u"寒天", u"ゼラチン", u"ツナ", u"缶", u"干し", u"切り干し", u"高野豆腐", u"麩", u"ナッツ", u"レーズン"}},
};

constexpr int kMaxKeepsDays = 999;
constexpr int kNewAisleKeepsDays = 7;

}  // namespace

AisleTable::AisleTable() {
  for (const BuiltInAisle& aisle : kBuiltIn) {
    aisles_.push_back({QString::fromUtf16(aisle.name), aisle.keepsDays});
    for (const char16_t* word : aisle.words) addWord(QString::fromUtf16(word), int(aisles_.size()) - 1, false);
  }
}

int AisleTable::aisleNamed(const QString& name, bool make) {
  const auto found = std::find_if(aisles_.begin(), aisles_.end(), [&](const Aisle& a) { return a.name == name; });
  if (found != aisles_.end()) return int(found - aisles_.begin());
  if (!make) return -1;
  // A new section goes before the last one, which takes the unknown.
  const int last = int(aisles_.size()) - 1;
  aisles_.insert(aisles_.end() - 1, {name, kNewAisleKeepsDays});
  for (auto& word : words_)
    if (word.second == last) word.second = last + 1;
  return last;
}

void AisleTable::addWord(const QString& name, int aisle, bool first) {
  const QString key = FoldIngredientName(name);
  if (key.isEmpty()) return;
  // Longest first; at equal length the user's words before the built-in, each in the order added.
  const auto at = std::find_if(words_.begin(), words_.end(), [&](const auto& w) {
    return first ? w.first.size() <= key.size() : w.first.size() < key.size();
  });
  words_.insert(at, {key, aisle});
}

std::optional<int> AisleTable::addLines(const QStringList& lines) {
  AisleTable added = *this;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const QStringList fields = quoted_fields::split(line);
    if (fields.size() != 2 || fields[0].trimmed().isEmpty() || fields[1].trimmed().isEmpty()) return int(i) + 1;
    const QString first = fields[0].trimmed();
    const QString second = fields[1].trimmed();
    bool isNumber = false;
    const int days = second.normalized(QString::NormalizationForm_KC).toInt(&isNumber);
    if (isNumber) {
      if (days < 1 || days > kMaxKeepsDays) return int(i) + 1;
      added.aisles_[size_t(added.aisleNamed(first, true))].keepsDays = days;
    } else {
      added.addWord(first, added.aisleNamed(second, true), true);
    }
  }
  *this = std::move(added);
  return std::nullopt;
}

int AisleTable::aisleOf(const QString& key) const {
  for (const auto& [word, aisle] : words_)
    if (key.contains(word)) return aisle;
  return int(aisles_.size()) - 1;
}

std::variant<AisleTable, FileError> ReadAisleTable(const QString& path) {
  AisleTable table;
  auto lines = text_file::readLines(path);
  if (auto* error = std::get_if<FileError>(&lines)) {
    if (error->kind == FileError::Kind::Missing) return table;
    return *error;
  }
  if (auto bad = table.addLines(std::get<QStringList>(lines)))
    return FileError{FileError::Kind::Malformed, path, *bad,
                     QStringLiteral("「材料名,売り場」か「売り場,日数（1～999）」の形で書いてください。")};
  return table;
}
