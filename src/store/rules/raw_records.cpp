// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/raw_records.h"

#include <cstring>

#include "platform/rules/text_file.h"
#include "store/rules/line_cursor.h"

namespace recipe_file {

std::variant<RawRecords, FileError> FindRawRecords(const QString& path, QByteArray bytes) {
  RawRecords found{path, std::move(bytes), {}};
  LineCursor lines(QByteArrayView(found.bytes));
  RecordWalker walker(lines, path, RecordWalker::Fields::DishName);
  while (walker.next()) found.records.push_back({std::move(walker.record().DishName), walker.span()});
  if (walker.endedInsideRecord())
    return FileError{FileError::Kind::Unfinished, path, walker.span().firstLine,
                     QStringLiteral("この行から始まるレシピが終わりの行「'」の前にファイルの終わりに達しています。")};
  if (walker.error()) return *walker.error();
  return found;
}

std::variant<RawRecords, FileError> ReadRawRecords(const QString& path) {
  auto bytes = text_file::readBytes(path);
  if (auto* error = std::get_if<FileError>(&bytes)) return *error;
  return FindRawRecords(path, std::get<QByteArray>(std::move(bytes)));
}

void AppendRecordLines(QByteArray& out, const RawRecords& from, const RawRecord& record) {
  QByteArrayView rest = QByteArrayView(from.bytes).sliced(record.span.begin, record.span.end - record.span.begin);
  while (!rest.isEmpty()) {
    const auto* lf = static_cast<const char*>(std::memchr(rest.data(), '\n', size_t(rest.size())));
    qsizetype length = lf ? lf - rest.data() : rest.size();
    const qsizetype taken = lf ? length + 1 : length;
    if (lf && length > 0 && rest[length - 1] == '\r') --length;
    out.append(rest.first(length));
    out.append("\r\n");
    rest = rest.sliced(taken);
  }
}

namespace {

FileError refused(const QString& path, const QString& detail) { return FileError{FileError::Kind::Refused, path, 0, detail}; }

}  // namespace

std::optional<FileError> AppendRawRecords(const QString& recipePath, const RawRecords& from,
                                          const std::vector<int>& chosen) {
  // Stamped before it is read: written only over the book as read.
  FileStamp stamp = file_stamp::of(recipePath);
  auto read = ReadRawRecords(recipePath);
  if (auto* error = std::get_if<FileError>(&read)) return *error;
  const RawRecords& book = std::get<RawRecords>(read);

  const qsizetype total = qsizetype(book.records.size()) + qsizetype(chosen.size());
  if (total > kMaxRecipes)
    return refused(recipePath, QStringLiteral("レシピは%1件までしか登録できません。\n"
                                              "今の%2件に%3件を加えると%4件になるため、取り込めません。")
                                   .arg(kMaxRecipes)
                                   .arg(qsizetype(book.records.size()))
                                   .arg(qsizetype(chosen.size()))
                                   .arg(total));

  // The book up to the end of its last record; a last line without its line end gets one.
  QByteArray content = book.bytes.left(book.records.empty() ? 0 : book.records.back().span.end);
  if (!content.isEmpty() && !content.endsWith('\n')) content += "\r\n";
  for (int index : chosen) AppendRecordLines(content, from, from.records[size_t(index)]);
  return text_file::writeBytesOver(recipePath, content, stamp);
}

}  // namespace recipe_file
