// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/recipe_file.h"

#include <QFile>
#include <cstring>
#include <future>
#include <span>

#include "platform/rules/cp932.h"
#include "platform/rules/freed_memory.h"
#include "platform/rules/numbers.h"
#include "platform/rules/text_file.h"
#include "store/rules/recipe_layout.h"
#include "store/rules/recipe_reader.h"

namespace recipe_file {
namespace {

using namespace layout;

const QString kCrLf = QStringLiteral("\r\n");

// The texts of one record's lines, whichever way the record was made: views of the record's own
// texts, and of the texts made for it (its numbers), which it keeps. It is filled in place and
// never copied, so that the views of what it keeps stay good.
struct RecordText {
  QStringView fields[kHeaderCount];     // each the text after its label
  QStringView sections[kSectionCount];  // lines joined by CR LF
  QString made[kHeaderCount + kSectionCount];

  RecordText() = default;
  RecordText(const RecordText&) = delete;
  RecordText& operator=(const RecordText&) = delete;

  QStringView keep(int slot, QString text) { return made[slot] = std::move(text); }
};

enum class EmptySection { NoLine, OneEmptyLine };

void fillText(RecordText& out, const Recipe& r) {
  for (int f = 0; f < kHeaderCount; ++f) {
    const HeaderField& field = kHeader[f];
    out.fields[f] = field.type == T::Single ? out.keep(f, numbers::FormatSingle(r.*field.single)) : QStringView(r.*field.text);
  }
  for (int s = 0; s < kSectionCount; ++s) out.sections[s] = r.*kSections[s].text;
}

void fillText(RecordText& out, const RecipeForm& form) {
  for (int f = 0; f < kHeaderCount; ++f) {
    const HeaderField& field = kHeader[f];
    switch (field.type) {
      case T::Text: out.fields[f] = form.*field.typed; break;
      case T::Single: out.fields[f] = out.keep(f, numbers::FormatDouble(numbers::ReadNumber(form.*field.typed))); break;
      case T::Count: out.fields[f] = out.keep(f, numbers::FormatDouble(form.CookCount)); break;
    }
  }
  for (int s = 0; s < kSectionCount; ++s)
    out.sections[s] = kSections[s].typed ? QStringView(form.*kSections[s].typed)
                                         : out.keep(kHeaderCount + s, form.CookingLog.join(kCrLf));
}

// Only a line feed ends a line for the reader; a carriage return inside a line (an old file may
// hold one) reads back as it was written, so it must not stop a rewrite of the whole book.
bool hasLineBreak(QStringView text) { return text.contains(u'\n'); }

std::optional<QString> unencodable(const QString& name, QStringView text) {
  if (auto bad = cp932::firstUnencodable(text))
    return QStringLiteral("%1に保存できない文字%2があります。").arg(name, cp932::describeCharacter(bad->character));
  return std::nullopt;
}

// A record the reader would not read back as written is refused, field by field.
std::optional<QString> check(const RecordText& record) {
  for (int f = 0; f < kHeaderCount; ++f) {
    if (hasLineBreak(record.fields[f]))
      return QStringLiteral("%1に改行は入れられません。").arg(kHeader[f].name);
    if (auto problem = unencodable(kHeader[f].name, record.fields[f])) return problem;
  }
  for (int s = 0; s < kSectionCount; ++s) {
    const QStringView value = record.sections[s];
    const QString& name = kSections[s].name;
    if (auto problem = unencodable(name, value)) return problem;
    if (value.isEmpty()) continue;
    for (QStringView line : value.tokenize(kCrLf)) {
      if (hasLineBreak(line)) return QStringLiteral("%1の改行が正しくありません。").arg(name);
      const bool last = s == kSectionCount - 1;
      if (!last && line == kSectionEnd)
        return QStringLiteral("%1に「----------」だけの行は保存できません。").arg(name);
      if (last && line == kRecordEnd) return QStringLiteral("%1に「'」だけの行は保存できません。").arg(name);
    }
  }
  return std::nullopt;
}

FileError refusal(const QString& path, const QString& problem) { return FileError{FileError::Kind::Refused, path, 0, problem}; }

// The fixed lines of a record in CP932, encoded once.
struct LayoutBytes {
  QByteArray separator = (kSeparator + kCrLf).toLatin1();
  QByteArray recordEnd = (kRecordEnd + kCrLf).toLatin1();
  QByteArray labels[kHeaderCount];
  QByteArray sectionOpenings[kSectionCount];  // the line "----------" and the section's label line
  QByteArray stops[kSectionCount];            // the line that ends each section, without its CR LF

  LayoutBytes() {
    for (int f = 0; f < kHeaderCount; ++f) labels[f] = cp932::encode(kHeader[f].label).bytes;
    for (int s = 0; s < kSectionCount; ++s) {
      sectionOpenings[s] = cp932::encode(kSectionEnd + kCrLf + kSections[s].label + kCrLf).bytes;
      stops[s] = stopLineOf(s).toLatin1();
    }
  }
};

const LayoutBytes& layoutBytes() {
  static const LayoutBytes bytes;
  return bytes;
}

// True when the encoded section reads back as it is: every line feed comes with its carriage
// return, and no line is the line that ends the section. (No byte of a two-byte character is a
// line feed, a carriage return, a hyphen or an apostrophe.)
bool readsBack(QByteArrayView section, const QByteArray& stop) {
  while (true) {
    const auto* lf = static_cast<const char*>(std::memchr(section.data(), '\n', size_t(section.size())));
    const qsizetype length = lf ? lf - section.data() : section.size();
    if (lf && (length == 0 || section[length - 1] != '\r')) return false;
    if (section.first(lf ? length - 1 : length) == QByteArrayView(stop)) return false;
    if (!lf) return true;
    section = section.sliced(length + 1);
  }
}

// Appends the record's lines in CP932, each ending in CR LF. A multi-line value is written as one
// piece: its CR LF breaks become the file's line ends. A record that would not read back as it
// is leaves out as it was, and check() names why.
bool appendRecordBytes(QByteArray& out, const RecordText& record, EmptySection empty) {
  const LayoutBytes& layout = layoutBytes();
  const qsizetype start = out.size();
  auto refuse = [&] {
    out.truncate(start);
    return false;
  };
  out += layout.separator;
  for (int f = 0; f < kHeaderCount; ++f) {
    out += layout.labels[f];
    if (hasLineBreak(record.fields[f]) || !cp932::appendEncoded(out, record.fields[f])) return refuse();
    out += "\r\n";
  }
  for (int s = 0; s < kSectionCount; ++s) {
    out += layout.sectionOpenings[s];
    const QStringView value = record.sections[s];
    if (value.isEmpty() && empty == EmptySection::NoLine) continue;
    const qsizetype from = out.size();
    if (!cp932::appendEncoded(out, value) || !readsBack(QByteArrayView(out).sliced(from), layout.stops[s]))
      return refuse();
    out += "\r\n";
  }
  out += layout.recordEnd;
  return true;
}

// Why a record that the encoder refused cannot be stored.
FileError refusalOf(const QString& path, const RecordText& record) {
  return refusal(path, check(record).value_or(QStringLiteral("保存できない文字があります。")));
}

}  // namespace

std::optional<QString> checkStorable(const RecipeForm& form) {
  RecordText record;
  fillText(record, form);
  if (auto problem = check(record)) return problem;
  // A number too large for single precision would read back as 0.
  for (const HeaderField& field : kHeader)
    if (field.type == T::Single && !numbers::FitsSingle(form.*field.typed))
      return QStringLiteral("%1の数値が大きすぎます。").arg(field.name);
  return std::nullopt;
}

void ApplyForm(Recipe& r, const RecipeForm& form) {
  for (const HeaderField& field : kHeader) {
    if (field.text == &Recipe::DishName) continue;  // a change keeps the stored name
    switch (field.type) {
      case T::Text: r.*field.text = form.*field.typed; break;
      case T::Single: r.*field.single = numbers::ReadSingle(form.*field.typed); break;
      case T::Count: r.*field.text = numbers::FormatDouble(form.CookCount); break;
    }
  }
  for (const Section& section : kSections)
    r.*section.text = section.typed ? form.*section.typed : form.CookingLog.join(kCrLf);
}

std::variant<RecipeTable, FileError> LoadRecipeFile(const QString& path, const Progress& progress) {
  auto table = ReadRecipeFile(path, progress);
  ReturnFreedMemory();  // the reader's buffers, and a table that was not finished
  return table;
}

namespace {

// A run of whole records as encoded, and the records they were encoded from, in order (none
// for bytes read from the file).
struct Piece {
  QByteArray bytes;
  std::span<const Recipe* const> known;
  bool proven = false;  // the bytes are the file the known records were read from: no read-back
};

// What a piece reads as.
Written readBack(const Piece& piece, const QString& path) {
  if (!piece.proven) return ReadRecipeBytes(piece.bytes, path, piece.known);
  RecipeTable table;
  table.reserve(int(piece.known.size()));
  for (const Recipe* recipe : piece.known) table.append(*recipe);
  return table;
}

// The pieces, in order, written over the file only when they read back as a book, with what they
// read as: the table then always mirrors the file, and a file the reader would refuse is never
// put in place. The new content is written and synced beside the file while the pieces are read
// back, each on its own thread; it replaces the file once all of them have read back.
Written writeReadingBack(const QString& path, const std::vector<Piece>& pieces, FileStamp* stamp) {
  text_file::PendingWrite pending(path);
  std::vector<QByteArrayView> content;
  for (const Piece& piece : pieces) content.emplace_back(piece.bytes);
  auto writing = std::async(std::launch::async, [&] { return pending.write(content); });
  std::vector<std::future<Written>> laterPieces;
  for (size_t i = 1; i < pieces.size(); ++i)
    laterPieces.push_back(std::async(std::launch::async, [&, i] { return readBack(pieces[i], path); }));
  Written table = pieces.empty() ? Written(RecipeTable()) : readBack(pieces[0], path);
  bool whole = std::holds_alternative<RecipeTable>(table);
  for (auto& later : laterPieces) {
    Written next = later.get();
    if (!whole || !std::holds_alternative<RecipeTable>(next)) {
      whole = false;
      continue;
    }
    RecipeTable& into = std::get<RecipeTable>(table);
    RecipeTable& from = std::get<RecipeTable>(next);
    if (into.count() + from.count() > kMaxRecipes) whole = false;
    into.reserve(into.count() + from.count());
    for (int i = 1; i <= from.count(); ++i) into.append(std::move(from[i]));
  }
  const std::optional<FileError> unwritten = writing.get();
  if (!whole) {
    // What the reader says of the content read whole, its lines counted from the start.
    QByteArray all;
    for (const Piece& piece : pieces) all += piece.bytes;
    auto read = ReadRecipeBytes(all, path);
    if (std::holds_alternative<FileError>(read)) return read;
    table = std::move(read);
  }
  if (unwritten) return *unwritten;
  if (auto error = stamp ? pending.commitOver(*stamp) : pending.commit()) return *error;
  return table;
}

constexpr qsizetype kRecordRoom = 64 * 1024;

// The records encoded one after the other; a record that cannot be written stops it.
std::variant<QByteArray, FileError> encodeRecords(const QString& path, std::span<const Recipe* const> records,
                                                  EmptySection empty) {
  QByteArray bytes;
  for (const Recipe* recipe : records) {
    // The buffer grows by doubling, so that a full book is not copied over and over.
    if (bytes.capacity() - bytes.size() < kRecordRoom) bytes.reserve(2 * bytes.capacity() + kRecordRoom);
    RecordText record;
    fillText(record, *recipe);
    if (!appendRecordBytes(bytes, record, empty)) return refusalOf(path, record);
  }
  return bytes;
}

// The book's records are encoded and read back in two halves at once, one on each core.
Written writeRecords(const QString& path, std::span<const Recipe* const> all, EmptySection empty, FileStamp* stamp) {
  const std::span<const Recipe* const> halves[] = {all.first(all.size() / 2), all.subspan(all.size() / 2)};
  auto secondHalf = std::async(std::launch::async, [&] { return encodeRecords(path, halves[1], empty); });
  auto firstHalf = encodeRecords(path, halves[0], empty);
  auto second = secondHalf.get();
  for (auto* half : {&firstHalf, &second})
    if (auto* refused = std::get_if<FileError>(half)) return *refused;
  std::vector<Piece> pieces;
  pieces.push_back({std::get<QByteArray>(std::move(firstHalf)), halves[0]});
  pieces.push_back({std::get<QByteArray>(std::move(second)), halves[1]});
  return writeReadingBack(path, pieces, stamp);
}

std::vector<const Recipe*> recordsOf(const RecipeTable& table) {
  std::vector<const Recipe*> records;
  records.reserve(size_t(table.count()));
  for (int i = 1; i <= table.count(); ++i) records.push_back(&table[i]);
  return records;
}

// True when the bytes (the file up to where its records end) hold nothing or end with a whole
// record: its end line, with or without its line end.
bool endsWithWholeRecord(QByteArrayView bytes) {
  if (bytes.isEmpty()) return true;
  if (bytes.endsWith("\r\n")) bytes.chop(2);
  else if (bytes.endsWith('\n')) bytes.chop(1);
  return bytes.endsWith("\n'") || bytes == "'";
}

constexpr int kAppendAttempts = 5;

}  // namespace

Written AppendRecipe(const QString& path, const RecipeForm& form, FileStamp* stamp, const RecipeTable* known) {
  const std::vector<const Recipe*> knownRecords = known ? recordsOf(*known) : std::vector<const Recipe*>();
  RecordText record;
  fillText(record, form);
  QByteArray added;
  if (!appendRecordBytes(added, record, EmptySection::NoLine)) return refusalOf(path, record);
  for (int attempt = 1;; ++attempt) {
    FileStamp read = file_stamp::beforeRead(path);
    // The old bytes are kept as they are, up to where the reader stops: the new record goes
    // before the empty lines at the end, which go. A missing file is an empty one.
    Piece old{{}, knownRecords};
    if (read.exists) {
      auto bytes = text_file::readBytes(path);
      if (auto* error = std::get_if<FileError>(&bytes)) return *error;
      old.bytes = std::get<QByteArray>(std::move(bytes));
      file_stamp::provedBy(read, old.bytes);
      // Still the file the known table was read from: that table is what its records read as.
      old.proven = known && stamp && file_stamp::describes(*stamp, read, old.bytes);
      old.bytes.truncate(EndOfRecords(old.bytes));
      // A record glued onto half of one would read as one record fewer. What the reader says of
      // such a file is said; else that it holds no whole last record.
      if (!endsWithWholeRecord(old.bytes)) {
        auto read = ReadRecipeBytes(old.bytes, path);
        if (auto* error = std::get_if<FileError>(&read)) return *error;
        return FileError{FileError::Kind::Unfinished, path, 0,
                         QStringLiteral("最後のレシピに終わりの行「'」がないため、登録しませんでした。")};
      }
      // A last line without its line end gets one, so the new record does not run into it.
      if (!old.bytes.isEmpty() && !old.bytes.endsWith('\n')) old.bytes += "\r\n";
    }
    Written written = writeReadingBack(path, {std::move(old), {added, {}}}, &read);
    auto* error = std::get_if<FileError>(&written);
    if (error && error->kind == FileError::Kind::ChangedOutside && attempt < kAppendAttempts) continue;
    if (!error && stamp) *stamp = read;
    return written;
  }
}

QByteArray RecordBytes(const Recipe& record) {
  QByteArray bytes;
  RecordText text;
  fillText(text, record);
  appendRecordBytes(bytes, text, EmptySection::NoLine);
  return bytes;
}

Written RewriteRecipeFile(const QString& path, const RecipeTable& table, FileStamp* stamp) {
  return writeRecords(path, recordsOf(table), EmptySection::NoLine, stamp);
}

Written WriteRecipeFileWithout(const QString& path, const RecipeTable& table, int n, FileStamp* stamp) {
  return WriteEditedTable(path, table, {OneRecordEdit::How::LeaveOut, n, {}}, stamp);
}

Written WriteEditedTable(const QString& path, const RecipeTable& table, const OneRecordEdit& edit, FileStamp* stamp) {
  using How = OneRecordEdit::How;
  const int last = edit.how == How::Insert ? table.count() + 1 : table.count();
  const bool inRange = edit.number >= 1 && edit.number <= last;
  // A record to put where the table has no place would be lost: nothing is written.
  if (!inRange && edit.how != How::LeaveOut)
    return refusal(path, QStringLiteral("レシピ番号%1は表にありません。").arg(edit.number));
  std::vector<const Recipe*> records = recordsOf(table);
  const auto at = records.begin() + (inRange ? edit.number - 1 : 0);
  if (edit.how == How::LeaveOut && inRange) records.erase(at);
  if (edit.how == How::Replace) *at = &edit.record;
  if (edit.how == How::Insert) records.insert(at, &edit.record);
  return writeRecords(path, records, edit.how == How::LeaveOut ? EmptySection::OneEmptyLine : EmptySection::NoLine, stamp);
}

std::variant<StampedTable, FileError> LoadStampedRecipeFile(const QString& path, const Progress& progress) {
  FileStamp stamp = file_stamp::of(path);
  auto table = LoadRecipeFile(path, progress);
  if (auto* error = std::get_if<FileError>(&table)) return *error;
  return StampedTable{std::get<RecipeTable>(std::move(table)), stamp};
}

}  // namespace recipe_file
