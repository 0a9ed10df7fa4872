// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/text_file.h"

#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/rules/cp932.h"

namespace text_file {

std::variant<QByteArray, FileError> readBytes(const QString& path, qint64 cap) {
  return plain_file::read(path, cap);
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

bool holdsLineBreak(QStringView text) { return text.contains(u'\r') || text.contains(u'\n'); }

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

std::variant<QString, FileError> decodeForFile(const QString& path, const QByteArray& bytes) {
  cp932::Decoded decoded = cp932::decode(bytes);
  if (decoded.error) return FileError{FileError::Kind::NotCp932, path, decoded.error->line, {}};
  return std::move(decoded.text);
}

std::variant<QString, FileError> readText(const QString& path) {
  auto bytes = readBytes(path);
  if (auto* error = std::get_if<FileError>(&bytes)) return *error;
  return decodeForFile(path, std::get<QByteArray>(bytes));
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

namespace {

FileError writeFailed(const QString& path, const QString& detail) {
  return FileError{FileError::Kind::WriteFailed, path, 0, detail};
}

// Writes the bytes into the save file's temporary file and checks that all of them are there.
// The file is unbuffered: QSaveFile's commit() would ignore an error of the last buffered write
// (a full disk) and rename a short file over the old one.
std::optional<FileError> writeWhole(QSaveFile& file, const std::vector<QByteArrayView>& pieces) {
  const QString path = file.fileName();
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return writeFailed(path, file.errorString());
  qint64 total = 0;
  for (QByteArrayView piece : pieces) {
    for (qint64 written = 0; written < piece.size();) {
      const qint64 n = file.write(piece.data() + written, piece.size() - written);
      if (n <= 0) return writeFailed(path, file.errorString());
      written += n;
    }
    total += piece.size();
  }
  if (!file.flush() || file.size() != total) return writeFailed(path, file.errorString());
  return std::nullopt;
}

std::optional<FileError> writeWhole(QSaveFile& file, const QByteArray& bytes) {
  return writeWhole(file, std::vector<QByteArrayView>{bytes});
}

}  // namespace

std::optional<FileError> writeBytes(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (auto error = writeWhole(file, bytes)) return error;
  if (!file.commit()) return writeFailed(path, file.errorString());
  return std::nullopt;
}

PendingWrite::PendingWrite(const QString& path) : path_(path), file_(std::make_unique<QSaveFile>(path)) {}

PendingWrite::~PendingWrite() = default;  // an uncommitted save file removes what it wrote

std::optional<FileError> PendingWrite::write(const std::vector<QByteArrayView>& pieces) {
  if (auto error = writeWhole(*file_, pieces)) return error;
  // Synced here, so that the commit after the proof has little left to wait for.
  if (::fdatasync(file_->handle()) != 0) return writeFailed(path_, QString::fromLocal8Bit(std::strerror(errno)));
  written_ = file_stamp::ofWritten(file_->handle(), pieces);
  return std::nullopt;
}

std::optional<FileError> PendingWrite::commit() {
  if (!file_->commit()) return writeFailed(path_, file_->errorString());
  return std::nullopt;
}

std::optional<FileError> PendingWrite::commitOver(FileStamp& stamp) {
  // The check stands right before the rename, so the window another writer has is as short as it can be.
  if (!file_stamp::unchanged(path_, stamp)) {
    file_->cancelWriting();
    return FileError{FileError::Kind::ChangedOutside, path_, 0, {}};
  }
  if (!file_->commit()) return writeFailed(path_, file_->errorString());
  stamp = written_;
  return std::nullopt;
}

std::optional<FileError> writeBytesOver(const QString& path, const QByteArray& bytes, FileStamp& stamp) {
  PendingWrite pending(path);
  if (auto error = pending.write({bytes})) return error;
  return pending.commitOver(stamp);
}

std::optional<FileError> writeLinesTogether(const std::vector<std::pair<QString, QStringList>>& files) {
  std::vector<QByteArray> contents;
  for (const auto& [path, lines] : files) {
    auto bytes = encodeForFile(path, joinLines(lines));
    if (auto* error = std::get_if<FileError>(&bytes)) return *error;
    contents.push_back(std::get<QByteArray>(std::move(bytes)));
  }
  // Every new content is complete in its temporary file before the first file is replaced.
  std::vector<std::unique_ptr<QSaveFile>> saves;
  for (size_t i = 0; i < files.size(); ++i) {
    saves.push_back(std::make_unique<QSaveFile>(files[i].first));
    if (auto error = writeWhole(*saves.back(), contents[i])) return error;
  }
  for (auto& file : saves)
    if (!file->commit()) return writeFailed(file->fileName(), file->errorString());
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

namespace {

// Empty lines at the end: "\r\n" or "\n" lines that follow a line end or open the file.
void dropEmptyLinesAtEnd(QByteArray& bytes) {
  while (true) {
    const qsizetype end = bytes.endsWith("\r\n") ? 2 : bytes.endsWith('\n') ? 1 : 0;
    if (end == 0 || (bytes.size() > end && bytes[bytes.size() - end - 1] != '\n')) return;
    bytes.chop(end);
  }
}

}  // namespace

std::variant<QByteArray, FileError> withAppended(const QString& path, const QString& text, EmptyLinesAtEnd empty) {
  auto added = encodeForFile(path, text);
  if (auto* error = std::get_if<FileError>(&added)) return *error;
  QByteArray content;
  if (QFile::exists(path)) {
    auto old = readBytes(path);
    if (auto* error = std::get_if<FileError>(&old)) return *error;
    content = std::get<QByteArray>(std::move(old));
    if (empty == EmptyLinesAtEnd::Drop) dropEmptyLinesAtEnd(content);
    // A last line without its line end gets one, so the new lines do not run into it.
    if (!content.isEmpty() && !content.endsWith('\n')) content += "\r\n";
  }
  content += std::get<QByteArray>(added);
  return content;
}

namespace {

constexpr int kFreshAttempts = 5;

}  // namespace

std::optional<FileError> appendText(const QString& path, const QString& text) {
  for (int attempt = 1;; ++attempt) {
    FileStamp stamp = file_stamp::of(path);
    auto content = withAppended(path, text, EmptyLinesAtEnd::Keep);
    if (auto* error = std::get_if<FileError>(&content)) return *error;
    auto error = writeBytesOver(path, std::get<QByteArray>(content), stamp);
    if (!error || error->kind != FileError::Kind::ChangedOutside || attempt == kFreshAttempts) return error;
  }
}

std::optional<FileError> updateLines(const QString& path, const LinesChange& change) {
  for (int attempt = 1;; ++attempt) {
    FileStamp stamp = file_stamp::of(path);
    QStringList current;
    if (stamp.exists) {
      auto lines = readLines(path);
      if (auto* error = std::get_if<FileError>(&lines)) return *error;
      current = std::get<QStringList>(std::move(lines));
    }
    auto changed = change(current);
    if (auto* error = std::get_if<FileError>(&changed)) return *error;
    const QStringList& lines = std::get<QStringList>(changed);
    if (stamp.exists && lines == current) return std::nullopt;
    auto bytes = encodeForFile(path, joinLines(lines));
    if (auto* error = std::get_if<FileError>(&bytes)) return *error;
    auto error = writeBytesOver(path, std::get<QByteArray>(bytes), stamp);
    if (!error || error->kind != FileError::Kind::ChangedOutside || attempt == kFreshAttempts) return error;
  }
}

}  // namespace text_file
