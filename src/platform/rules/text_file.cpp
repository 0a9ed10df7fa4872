#include "platform/rules/text_file.h"

#include <QFile>
#include <QSaveFile>

#include "platform/rules/cp932.h"

namespace text_file {

std::variant<QByteArray, FileError> readBytes(const QString& path) {
  QFile file(path);
  if (!file.exists()) return FileError{FileError::Kind::Missing, path, 0, {}};
  if (!file.open(QIODevice::ReadOnly))
    return FileError{FileError::Kind::Unreadable, path, 0, file.errorString()};
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    return FileError{FileError::Kind::Unreadable, path, 0, file.errorString()};
  return bytes;
}

QStringList splitLines(const QString& text) {
  QStringList lines;
  const qsizetype n = text.size();
  qsizetype start = 0;
  for (qsizetype i = 0; i < n; ++i) {
    if (text[i] != u'\n') continue;
    const qsizetype end = (i > start && text[i - 1] == u'\r') ? i - 1 : i;
    lines.append(text.mid(start, end - start));
    start = i + 1;
  }
  if (start < n) lines.append(text.mid(start));
  return lines;
}

QString joinLines(const QStringList& lines) {
  QString text;
  qsizetype size = 0;
  for (const QString& line : lines) size += line.size() + 2;
  text.reserve(size);
  for (const QString& line : lines) {
    text += line;
    text += QStringLiteral("\r\n");
  }
  return text;
}

std::variant<QString, FileError> readText(const QString& path) {
  auto bytes = readBytes(path);
  if (auto* error = std::get_if<FileError>(&bytes)) return *error;
  cp932::Decoded decoded = cp932::decode(std::get<QByteArray>(bytes));
  if (decoded.error) return FileError{FileError::Kind::NotCp932, path, decoded.error->line, {}};
  return std::move(decoded.text);
}

std::variant<QStringList, FileError> readLines(const QString& path) {
  auto text = readText(path);
  if (auto* error = std::get_if<FileError>(&text)) return *error;
  return splitLines(std::get<QString>(text));
}

std::variant<QByteArray, FileError> encodeForFile(const QString& path, const QString& text) {
  cp932::Encoded encoded = cp932::encode(text);
  if (encoded.error) {
    const int line = int(text.left(encoded.error->position).count(u'\n')) + 1;
    return FileError{FileError::Kind::Unencodable, path, line,
                     QStringLiteral("文字%1はShift-JISで保存できません。")
                         .arg(cp932::describeCharacter(encoded.error->character))};
  }
  return std::move(encoded.bytes);
}

std::optional<FileError> writeBytes(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return FileError{FileError::Kind::WriteFailed, path, 0, file.errorString()};
  if (file.write(bytes) != bytes.size() || !file.commit())
    return FileError{FileError::Kind::WriteFailed, path, 0, file.errorString()};
  return std::nullopt;
}

std::optional<FileError> writeText(const QString& path, const QString& text) {
  auto bytes = encodeForFile(path, text);
  if (auto* error = std::get_if<FileError>(&bytes)) return *error;
  return writeBytes(path, std::get<QByteArray>(bytes));
}

std::optional<FileError> writeLines(const QString& path, const QStringList& lines) {
  return writeText(path, joinLines(lines));
}

std::optional<FileError> appendLines(const QString& path, const QStringList& lines) {
  return appendText(path, joinLines(lines));
}

std::optional<FileError> appendText(const QString& path, const QString& text) {
  auto added = encodeForFile(path, text);
  if (auto* error = std::get_if<FileError>(&added)) return *error;
  QByteArray content;
  if (QFile::exists(path)) {
    auto old = readBytes(path);
    if (auto* error = std::get_if<FileError>(&old)) return *error;
    content = std::get<QByteArray>(std::move(old));
    // A last line without its line end gets one, so the new lines do not run into it.
    if (!content.isEmpty() && !content.endsWith('\n')) content += "\r\n";
  }
  content += std::get<QByteArray>(added);
  return writeBytes(path, content);
}

}  // namespace text_file
