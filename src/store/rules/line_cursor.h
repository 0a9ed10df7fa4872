// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole lines of a recipe file's bytes, held whole or read from the file a piece at a time. The
// lines are found in the bytes themselves: no byte of a two-byte CP932 character is a line feed.
#include <QByteArrayView>
#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/rules/cp932.h"
#include "platform/rules/file_error.h"
#include "platform/rules/plain_file.h"

namespace recipe_file {

// The file's lines in order, each without its line end (LF or CR LF); the empty lines at the end
// are not read. The lines come from bytes held whole, or from a file read a piece at a time: the
// buffer then holds the line read last and what has been read after it, and grows only for a
// line (or a run of empty lines) longer than itself.
class LineCursor {
 public:
  explicit LineCursor(QByteArrayView bytes) : data_(bytes.data()), end_(bytes.size()) {}
  LineCursor(plain_file::OpenedFile& file, qsizetype pieceSize)
      : file_(&file), pieceSize_(std::max<qsizetype>(pieceSize, 1)), buffer_(size_t(pieceSize_)), data_(buffer_.data()) {}

  int number() const { return number_; }  // of the line read last; at the end, the count of lines
  // Where the line read last starts, and where the line after it starts, from the first byte.
  qint64 lineOffset() const { return dropped_ + lineStart_; }
  qint64 nextOffset() const { return dropped_ + at_; }
  // Why the file could not be read to its end; the cursor is then at its end.
  const std::optional<FileError>& readError() const { return readError_; }

  // Whether nothing but empty lines is left.
  bool atEnd() {
    if (at_ < contentAt_) return false;
    qsizetype p = at_;
    // Reads on when p has come to the end of what is held; p still names the same byte after.
    const auto refilled = [&] {
      const qsizetype before = at_;
      const bool read = more();
      p -= before - at_;
      return read;
    };
    while (true) {
      if (p == end_) {
        if (refilled()) continue;
        return true;
      }
      if (data_[p] == '\n') {
        ++p;
        continue;
      }
      if (data_[p] == '\r') {
        if (p + 1 == end_ && refilled()) continue;
        if (p + 1 < end_ && data_[p + 1] == '\n') {
          p += 2;
          continue;
        }
      }
      break;
    }
    contentAt_ = p;  // the lines up to here are empty, and something follows them
    return false;
  }

  // The next line; the view holds until the cursor is next asked for anything.
  QByteArrayView next() {
    qsizetype searched = 0;  // bytes after at_ known to hold no line feed
    const char* lf;
    while (!(lf = static_cast<const char*>(std::memchr(data_ + at_ + searched, '\n', size_t(end_ - at_ - searched))))) {
      searched = end_ - at_;
      if (!more()) break;
    }
    const qsizetype stop = lf ? lf - data_ : end_;
    const qsizetype lineEnd = lf && stop > at_ && data_[stop - 1] == '\r' ? stop - 1 : stop;
    lineStart_ = at_;
    at_ = lf ? stop + 1 : end_;
    ++number_;
    return QByteArrayView(data_ + lineStart_, lineEnd - lineStart_);
  }

  // The lines from where the cursor stands as far as they are held whole, up to the end of the
  // file at most; empty at the end. A line feed is never part of a character, so no character
  // is cut in two. For passes that look at the bytes, not at single lines.
  QByteArrayView nextWholeLines() {
    qsizetype searched = 0;  // bytes after at_ known to hold no line feed
    while (true) {
      const bool last = !file_ || atFileEnd_;
      const auto* lastLf =
          last ? nullptr : static_cast<const char*>(memrchr(data_ + at_ + searched, '\n', size_t(end_ - at_ - searched)));
      if (last || lastLf) {
        const qsizetype stop = last ? end_ : lastLf - data_ + 1;
        const QByteArrayView lines(data_ + at_, stop - at_);
        lineStart_ = at_ = stop;
        return lines;
      }
      searched = end_ - at_;
      more();
    }
  }

  // The number of the first line, from the one read last on, that holds a byte that is not
  // CP932; 0 when there is none. Only for a reading that has gone wrong: the cursor is spent.
  int firstUndecodableLine() {
    int line = std::max(number_, 1);
    at_ = lineStart_;
    for (QByteArrayView lines; !(lines = nextWholeLines()).isEmpty();) {
      const qsizetype bad = cp932::firstUndecodable(lines);
      if (bad >= 0) return line + int(std::count(lines.begin(), lines.begin() + bad, '\n'));
      line += int(std::count(lines.begin(), lines.end(), '\n'));
    }
    return 0;
  }

 private:
  // Reads the next piece of the file after what the buffer holds; false at the end of the file.
  bool more() {
    if (!file_ || atFileEnd_) return false;
    const qsizetype keep = std::min(lineStart_, at_);
    if (keep > 0) {
      std::memmove(buffer_.data(), buffer_.data() + keep, size_t(end_ - keep));
      end_ -= keep, at_ -= keep, lineStart_ -= keep, contentAt_ = std::max<qsizetype>(contentAt_ - keep, 0);
      dropped_ += keep;
    }
    if (end_ == qsizetype(buffer_.size())) buffer_.resize(2 * buffer_.size());
    data_ = buffer_.data();
    auto n = file_->readSome(buffer_.data() + end_, std::min(pieceSize_, qsizetype(buffer_.size()) - end_));
    if (auto* error = std::get_if<FileError>(&n)) readError_ = *error;
    if (readError_ || std::get<qsizetype>(n) == 0) {
      atFileEnd_ = true;
      return false;
    }
    end_ += std::get<qsizetype>(n);
    return true;
  }

  plain_file::OpenedFile* file_ = nullptr;
  qsizetype pieceSize_ = 0;  // read at a time
  std::vector<char> buffer_;
  const char* data_;
  qsizetype end_ = 0;        // of the bytes held
  qsizetype at_ = 0;         // where the next line starts
  qsizetype lineStart_ = 0;  // of the line read last
  qsizetype contentAt_ = 0;  // up to here the lines are known to be empty, and something follows
  qint64 dropped_ = 0;       // bytes of the file moved out of the buffer before data_
  bool atFileEnd_ = false;
  std::optional<FileError> readError_;
  int number_ = 0;
};

}  // namespace recipe_file
