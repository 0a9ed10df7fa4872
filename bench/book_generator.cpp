// SPDX-License-Identifier: GPL-3.0-or-later
#include "book_generator.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

#include "store/rules/picture_files.h"
#include "platform/rules/data_folder.h"
#include "platform/rules/text_file.h"
#include "platform/windows/artwork.h"
#include "store/rules/book.h"
#include "store/rules/book_setup.h"
#include "store/rules/profile_file.h"

namespace bench {
namespace {

const char* const kIngredients[] = {
    "鶏もも肉", "鶏むね肉", "豚バラ肉", "豚ロース", "牛肉", "合いびき肉", "鮭", "さば", "ぶり", "あじ",
    "えび", "いか", "たこ", "あさり", "ほたて", "たら", "豆腐", "厚揚げ", "油揚げ", "卵",
    "じゃがいも", "にんじん", "たまねぎ", "キャベツ", "白菜", "大根", "ごぼう", "れんこん", "なす", "ピーマン",
    "トマト", "きゅうり", "ほうれん草", "小松菜", "ブロッコリー", "かぼちゃ", "しいたけ", "しめじ", "えのき", "もやし",
    "長ねぎ", "にら", "アスパラ", "さつまいも", "里芋", "こんにゃく", "ひじき", "わかめ", "ベーコン", "ウインナー",
    "チーズ", "春雨", "高野豆腐", "さやいんげん", "オクラ", "ズッキーニ", "セロリ", "とうもろこし", "枝豆", "ちくわ",
};
const char* const kDishes[] = {
    "の照り焼き", "の煮物", "炒め", "のから揚げ", "の味噌汁", "のサラダ", "のグラタン", "のカレー", "の天ぷら", "のおひたし",
    "の酢の物", "の炊き込みご飯", "のスープ", "の蒸し物", "のマリネ", "のホイル焼き", "の甘辛煮", "のピカタ", "の南蛮漬け", "のきんぴら",
    "の卵とじ", "のチャーハン", "のパスタ", "の春巻き", "のシチュー", "の味噌煮", "の塩焼き", "のかき揚げ", "の白和え", "のナムル",
    "のキッシュ", "のリゾット", "の中華炒め", "のフライ", "の煮びたし", "のポトフ", "の生姜焼き", "の炒り煮", "のあんかけ", "の佃煮",
};
const char* const kAmounts[] = {"200g", "1個", "1/2本", "2枚", "300g", "1パック", "3本", "100g", "4切れ", "1/4個"};
const char* const kSeasoningAmounts[] = {"大さじ1", "大さじ2", "小さじ1", "小さじ1/2", "少々", "適量", "100cc", "1カップ"};
const char* const kSeasonings[] = {"しょうゆ", "みりん", "酒", "砂糖", "塩", "こしょう", "みそ", "だし汁", "サラダ油", "ごま油"};
const char* const kSteps[] = {
    "%1を食べやすい大きさに切る。",
    "鍋にサラダ油を熱し、%1を中火で炒める。",
    "%2を加えてふたをし、弱火で10分ほど煮る。",
    "%1に下味をつけて15分おく。",
    "フライパンで%1の両面を焼き色がつくまで焼く。",
    "%2と調味料を合わせ、全体によくからめる。",
    "器に盛り付けて、刻んだ%2を添える。",
    "熱湯で%1をさっとゆで、水気をしぼる。",
};
const char* const kMemos[] = {
    "子供たちに好評だった。", "次は塩を少し控えめに。", "お弁当にも使える。", "冷めてもおいしい。",
    "来客用に作った。", "%1が安かったので多めに作った。", "味が薄かったのでしょうゆを足した。",
};
const char* const kReferences[] = {"料理の本", "料理番組", "インターネット", "家族から", "友人から", "オリジナル"};
const char16_t* const kRatings = u"優良不未";

QString u8(const char* text) { return QString::fromUtf8(text); }

// A phrase with %1 standing for the main ingredient and %2 for the second.
QString filled(const char* phrase, const QString& main, const QString& second) {
  return u8(phrase).replace(QStringLiteral("%1"), main).replace(QStringLiteral("%2"), second);
}

QString fullWidthNumber(int n) {
  QString text;
  for (QChar c : QString::number(n)) text += QChar(u'０' + (c.unicode() - u'0'));
  return text;
}

struct State {
  std::unique_ptr<QTemporaryDir> dir;
  GeneratedBook book;
};

State& state() {
  static State s;
  return s;
}

void fail(const QString& what) {
  std::fprintf(stderr, "book generation failed: %s\n", what.toLocal8Bit().constData());
  std::exit(1);
}

}  // namespace

RecipeTable GenerateRecipes(const CategoryLists& lists, int count, unsigned seed) {
  std::mt19937 rng(seed);
  auto pick = [&](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
  auto chance = [&](int percent) { return pick(100) < percent; };
  const int nIngredients = int(std::size(kIngredients));
  const int nDishes = int(std::size(kDishes));

  // Every (main ingredient, second ingredient, dish) triple is one name; a stride coprime with
  // their number walks them in a scattered order without repeats.
  const long long combos = (long long)nIngredients * (nIngredients - 1) * nDishes;
  const long long stride = 7919;  // prime, does not divide combos
  RecipeTable table;
  table.reserve(count);
  const QDate firstDay(2001, 4, 1);
  for (int k = 0; k < count; ++k) {
    const long long index = (k * stride + 12345) % combos;
    const int dish = int(index % nDishes);
    const int main = int(index / nDishes % nIngredients);
    int second = int(index / nDishes / nIngredients);
    if (second >= main) ++second;  // never the same word twice
    const QString mainWord = u8(kIngredients[main]);
    const QString secondWord = u8(kIngredients[second]);

    Recipe r;
    r.DishName = mainWord + QStringLiteral("と") + secondWord + u8(kDishes[dish]);
    // Mostly list items; now and then "その他" or a word the lists do not hold.
    auto category = [&](const QStringList& list) {
      if (chance(4)) return QStringLiteral("創作");
      return list[pick(int(list.size()))];
    };
    r.Genre = category(lists.GenreList);
    r.Kind = category(lists.KindList);
    r.CookingMethod = category(lists.MethodList);
    r.CaloriesPerPerson = float(80 + pick(820));
    r.Salt = float(5 + pick(56)) / 10.0f;
    r.CookingTime = float(5 * (1 + pick(24)));
    r.SelfRating = QString(QChar(kRatings[pick(4)]));
    r.OthersRating = QString(QChar(kRatings[pick(4)]));
    r.Reference = chance(80) ? u8(kReferences[pick(int(std::size(kReferences)))]) : QString();

    QStringList ingredients{mainWord + QStringLiteral("　") + u8(kAmounts[pick(int(std::size(kAmounts)))]),
                            secondWord + QStringLiteral("　") + u8(kAmounts[pick(int(std::size(kAmounts)))])};
    for (int i = 2 + pick(5); i > 0; --i)
      ingredients.append(u8(kSeasonings[pick(int(std::size(kSeasonings)))]) + QStringLiteral("　") +
                         u8(kSeasoningAmounts[pick(int(std::size(kSeasoningAmounts)))]));
    r.Ingredients = ingredients.join(QStringLiteral("\r\n"));

    QStringList steps;
    for (int i = 1, n = 3 + pick(4); i <= n; ++i)
      steps.append(fullWidthNumber(i) + QStringLiteral("．") +
                   filled(kSteps[pick(int(std::size(kSteps)))], mainWord, secondWord));
    r.Steps = steps.join(QStringLiteral("\r\n"));

    if (chance(30)) {
      QStringList memo{filled(kMemos[pick(int(std::size(kMemos)))], mainWord, secondWord)};
      if (chance(30)) memo.append(filled(kMemos[pick(int(std::size(kMemos)))], secondWord, mainWord));
      r.Memo = memo.join(QStringLiteral("\r\n"));
    }

    QStringList log;
    QDate day = firstDay.addDays(pick(600));
    for (int i = pick(6); i > 0; --i) {
      log.append(day.toString(QStringLiteral("yyyy/MM/dd")));
      day = day.addDays(1 + pick(90));
    }
    r.CookingLog = log.join(QStringLiteral("\r\n"));
    r.CookCount = QString::number(log.size());
    table.append(std::move(r));
  }
  return table;
}

recipe_file::RecipeForm NewRecipeForm() {
  recipe_file::RecipeForm f;
  f.DishName = QStringLiteral("ベンチマーク特製の肉じゃが");
  f.Genre = QStringLiteral("和食");
  f.Kind = QStringLiteral("主菜");
  f.CookingMethod = QStringLiteral("煮る");
  f.Calories = QStringLiteral("350");
  f.Salt = QStringLiteral("2.5");
  f.CookingTime = QStringLiteral("40");
  f.SelfRating = kGood;
  f.OthersRating = kUnrated;
  f.CookCount = 1;
  f.Reference = QStringLiteral("料理の本");
  f.Ingredients = QStringLiteral("じゃがいも　3個\r\n牛肉　200g\r\nたまねぎ　1個\r\nしょうゆ　大さじ3");
  f.Steps = QStringLiteral("１．材料を切る。\r\n２．炒めてから煮る。\r\n３．味をしみこませる。");
  f.CookingLog = {QStringLiteral("2003/05/12")};
  return f;
}

const GeneratedBook& Book() {
  State& s = state();
  if (s.dir) return s.book;
  s.dir = std::make_unique<QTemporaryDir>();
  if (!s.dir->isValid()) fail(QStringLiteral("no temporary folder"));
  // ZESTRA_BENCH_KEEP=1 leaves the book in place for a look at it after the run.
  if (qEnvironmentVariableIsSet("ZESTRA_BENCH_KEEP")) s.dir->setAutoRemove(false);
  GeneratedBook& book = s.book;
  book.folder = s.dir->path();
  const DataFolder folder(book.folder);

  // The start-up files first, so that the recipes use the lists the book ships with.
  const BookSetup setup = EnsureBook(folder);
  if (setup.error) fail(setup.error->message());
  // The stand-in picture the program makes at its first start: with it, the program opens the
  // book without telling the user of files it made.
  if (!NoPictureImage().save(folder.path(kNoPictureFileName), "JPG", 90)) fail(kNoPictureFileName);
  auto loaded = LoadBook(folder);
  if (auto* error = std::get_if<FileError>(&loaded)) fail(error->message());
  book.lists = std::get<LoadedBook>(loaded).Lists;
  book.targetPoints = std::get<LoadedBook>(loaded).Prof.TargetPoints;

  book.recipePath = folder.path(recipe_file::kFileName);
  const RecipeTable table = GenerateRecipes(book.lists, kMaxRecipes);
  const auto written = recipe_file::RewriteRecipeFile(book.recipePath, table);
  if (auto* error = std::get_if<FileError>(&written)) fail(error->message());
  QFile file(book.recipePath);
  if (!file.open(QIODevice::ReadOnly)) fail(book.recipePath);
  book.recipeBytes = file.readAll();
  std::fprintf(stderr, "Generated book: %d recipes, %s is %lld bytes (%.1f MiB) in %s\n", table.count(),
               recipe_file::kFileName.toUtf8().constData(), (long long)book.recipeBytes.size(),
               double(book.recipeBytes.size()) / (1024.0 * 1024.0), book.folder.toUtf8().constData());
  return book;
}

const RecipeTable& LoadedRecipes() {
  static const RecipeTable table = [] {
    RestoreRecipeFile();  // a benchmark before may have left its change in the file
    auto loaded = recipe_file::LoadRecipeFile(Book().recipePath);
    if (auto* error = std::get_if<FileError>(&loaded)) fail(error->message());
    return std::get<RecipeTable>(std::move(loaded));
  }();
  return table;
}

Module1& BookModule() {
  static const std::unique_ptr<Module1> module = [] {
    auto m = std::make_unique<Module1>(Book().folder);
    m->Lists = Book().lists;
    m->Prof.TargetPoints = Book().targetPoints;
    m->Recipes = LoadedRecipes();
    m->ComputeStatistics();
    return m;
  }();
  return *module;
}

void RestoreRecipeFile() {
  const GeneratedBook& book = Book();
  if (auto error = text_file::writeBytes(book.recipePath, book.recipeBytes)) fail(error->message());
}

}  // namespace bench
