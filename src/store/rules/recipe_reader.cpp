#include "store/rules/recipe_reader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/rules/cp932.h"
#include "platform/rules/numbers.h"
#include "platform/rules/plain_file.h"
#include "store/rules/recipe_layout.h"

namespace recipe_file {

qsizetype EndOfRecords(QByteArrayView bytes) {
  qsizetype end = bytes.size();
  // An empty line is an LF, or a CR LF, that opens the file or follows another line's LF.
  while (end > 0 && bytes[end - 1] == '\n') {
    qsizetype start = end - 1;
    if (start > 0 && bytes[start - 1] == '\r') --start;
    if (start > 0 && bytes[start - 1] != '\n') break;
    end = start;
  }
  return end;
}

namespace {

using namespace layout;

// The marker lines are ASCII, and no byte of a two-byte CP932 character is a line feed, a
// carriage return, an asterisk, a hyphen or an apostrophe: lines and markers are found in the
// bytes themselves.
const QByteArray kSeparatorBytes = kSeparator.toLatin1();
const QByteArray kStopBytes[] = {kSectionEnd.toLatin1(), kRecordEnd.toLatin1()};

const QByteArray& stopBytesOf(int s) { return kStopBytes[s < kSectionCount - 1 ? 0 : 1]; }

bool isLine(QByteArrayView line, const QByteArray& marker) {
  return line.size() == marker.size() && std::memcmp(line.data(), marker.constData(), size_t(line.size())) == 0;
}

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
  bool atFileEnd_ = false;
  std::optional<FileError> readError_;
  int number_ = 0;
};

// Category words, ratings and counts repeat from record to record: one shared copy of each of
// the first few dozen distinct values saves a full book hundreds of thousands of allocations.
class SharedValues {
 public:
  // The value made from the text as read; the same text read again gives the same copy.
  template <class Make>
  QString operator()(QStringView read, Make make) {
    for (const auto& [known, value] : known_)
      if (known.size() == read.size() && known == read) return value;
    QString value = make(read);
    if (known_.size() < 64) known_.emplace_back(read.toString(), value);
    return value;
  }

 private:
  std::vector<std::pair<QString, QString>> known_;
};

QString textOf(QStringView read) { return read.toString(); }

// The count as a number turned back into text ("03" -> "3", "" -> "0"); a count already in that
// form is taken as it is.
QString normalisedCount(QStringView text) {
  const bool plain = !text.isEmpty() && text.size() <= 9 && (text[0] != u'0' || text.size() == 1) &&
                     std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  return plain ? text.toString() : numbers::FormatDouble(numbers::ReadNumber(text));
}

// The lines that are exactly a record separator. No byte of a two-byte character is an
// asterisk, and asterisks are rare outside the separators, so the count goes from one to the next.
int countSeparators(QByteArrayView bytes) {
  const char* const begin = bytes.data();
  const char* const end = begin + EndOfRecords(bytes);
  const qsizetype length = kSeparatorBytes.size();
  int count = 0;
  for (const char* at = begin; at < end;) {
    const auto* star = static_cast<const char*>(std::memchr(at, '*', size_t(end - at)));
    if (!star) break;
    const char* after = star;
    while (after < end && *after == '*') ++after;
    const bool opensLine = star == begin || star[-1] == '\n';
    const bool endsLine = after == end || *after == '\n' || (*after == '\r' && after + 1 < end && after[1] == '\n');
    if (opensLine && endsLine && after - star == length) ++count;
    at = after;
  }
  return count;
}

// The same count for a file, read a piece at a time; the file is then back at its start.
std::variant<int, FileError> countSeparators(plain_file::OpenedFile& file, qsizetype pieceSize) {
  int count = 0;
  {
    LineCursor cursor(file, pieceSize);
    for (QByteArrayView lines; !(lines = cursor.nextWholeLines()).isEmpty();) count += countSeparators(lines);
    if (cursor.readError()) return *cursor.readError();
  }
  if (auto error = file.rewind()) return *error;
  return count;
}

QStringList labelsOf(auto const& fields) {
  QStringList labels;
  for (const auto& field : fields) labels.append(field.label);
  return labels;
}

const QStringList kHeaderLabels = labelsOf(kHeader);
const QStringList kSectionLabels = labelsOf(kSections);

class Reader {
 public:
  Reader(LineCursor& lines, const QString& path) : lines_(lines), path_(path) {}

  // The records, told to progress against the count of separators counted beforehand.
  std::variant<RecipeTable, FileError> read(int counted, const Progress& progress) {
    auto table = readRecords(counted, progress);
    if (lines_.readError()) return *lines_.readError();  // the file ended early for want of reading
    return table;
  }

 private:
  std::variant<RecipeTable, FileError> readRecords(int counted, const Progress& progress) {
    if (progress) progress(0, counted, QString());

    RecipeTable table;
    table.reserve(std::min(counted, kMaxRecipes));
    while (!lines_.atEnd()) {
      if (!isLine(lines_.next(), kSeparatorBytes))
        return malformed(lines_.number(),
                         QStringLiteral("レシピの始まりの行（*が31個）があるはずの所に別の文字があります。"));
      if (table.count() == kMaxRecipes)
        return malformed(lines_.number(), QStringLiteral("レシピが%1件を超えています。").arg(kMaxRecipes));
      Recipe r;
      if (!readRecord(r)) return *error_;
      table.append(std::move(r));
      if (progress) progress(table.count(), counted, table[table.count()].DishName);
    }
    return table;
  }

  // The lines after a record's separator, up to its end line.
  bool readRecord(Recipe& r) {
    for (int f = 0; f < kHeaderCount; ++f) {
      if (!nextLine() || !decodeLine(true)) return false;
      const HeaderField& field = kHeader[f];
      if (!labelInPlace(kHeaderLabels, f)) return false;
      const QStringView value = decoded().mid(kLabelLength);
      switch (field.type) {
        case T::Text: r.*field.text = field.repeats ? shared_[f](value, textOf) : value.toString(); break;
        case T::Single: r.*field.single = numbers::ReadSingle(value); break;
        case T::Count: r.*field.text = shared_[f](value, normalisedCount); break;
      }
    }
    for (int s = 0; s < kSectionCount; ++s) {
      // The lines that open a section are passed over (the first section's is the header's
      // end line too), but they must still be CP932.
      for (int opening = s == 0 ? 2 : 1; opening > 0; --opening)
        if (!nextLine() || !decodeLine(true)) return false;
      if (!labelInPlace(kSectionLabels, s)) return false;
      used_ = 0;
      for (bool first = true;; first = false) {
        if (!nextLine()) return false;
        if (isLine(line_, stopBytesOf(s))) break;
        if (!first) {
          room(2);
          scratch_[size_t(used_++)] = u'\r';
          scratch_[size_t(used_++)] = u'\n';
        }
        if (!decodeLine(false)) return false;
      }
      // A section of one empty line is an empty value, as is a section without lines.
      r.*kSections[s].text = used_ ? decoded().toString() : QString();
    }
    return true;
  }

  bool nextLine() {
    if (lines_.atEnd())
      return cutShort(QStringLiteral("レシピの途中でファイルが終わっています（最後のレシピに終わりの行「'」がありません）。"));
    line_ = lines_.next();
    return true;
  }

  // Decodes the current line into the scratch text, in place of what it holds or after it.
  bool decodeLine(bool replacing) {
    if (replacing) used_ = 0;
    room(line_.size());
    const cp932::Run run = cp932::decodeInto(line_, scratch_.data() + used_);
    used_ += run.written;
    if (run.badOffset < 0) return true;
    // A first byte of a character with nothing after it at the end of the file: the file was cut there.
    if (run.badOffset == line_.size() - 1 && lines_.atEnd()) {
      error_ = FileError{FileError::Kind::Unfinished, path_, lines_.number(), QStringLiteral("最後の文字が途中で切れています。")};
      return false;
    }
    error_ = FileError{FileError::Kind::NotCp932, path_, lines_.number(), {}};
    return false;
  }

  // A line other than a record's own labels may stand where a label is (an old file's "NAME: ");
  // but a label of another line, or a marker line, there means that the record was cut short and
  // another written on after the cut.
  bool labelInPlace(const QStringList& labels, int expected) {
    const QStringView line = decoded();
    if (line.startsWith(labels[expected])) return true;
    for (qsizetype other = 0; other < labels.size(); ++other)
      if (line.startsWith(labels[other]))
        return cutShort(QStringLiteral("「%1」の行があるはずの所に「%2」の行があります。").arg(labels[expected], labels[other]));
    for (const QString& marker : {kSeparator, kSectionEnd, kRecordEnd})
      if (line == marker)
        return cutShort(QStringLiteral("「%1」の行があるはずの所でレシピが区切られています。").arg(labels[expected]));
    return true;
  }

  // A file still being written, or one cut short and perhaps written on after the cut.
  bool cutShort(const QString& detail) {
    error_ = malformed(lines_.number(), detail);
    if (error_->kind == FileError::Kind::Malformed) error_->kind = FileError::Kind::Unfinished;
    return false;
  }

  QStringView decoded() const { return QStringView(scratch_.data(), used_); }

  void room(qsizetype more) {
    if (qsizetype(scratch_.size()) < used_ + more) scratch_.resize(std::max(2 * scratch_.size(), size_t(used_ + more)));
  }

  // A byte that is not CP932 is named first, wherever it stands, as a reader decoding the whole
  // file before looking at its lines would: the file is then not text at all. The lines before
  // the one read last have all been decoded already.
  FileError malformed(int line, const QString& detail) {
    if (const int bad = lines_.firstUndecodableLine()) return FileError{FileError::Kind::NotCp932, path_, bad, {}};
    return FileError{FileError::Kind::Malformed, path_, line, detail};
  }

  LineCursor& lines_;
  const QString& path_;
  QByteArrayView line_;
  std::vector<char16_t> scratch_;
  qsizetype used_ = 0;
  SharedValues shared_[kHeaderCount];
  std::optional<FileError> error_;
};

}  // namespace

std::variant<RecipeTable, FileError> ReadRecipeBytes(QByteArrayView bytes, const QString& path,
                                                     const Progress& progress) {
  LineCursor lines(bytes);
  return Reader(lines, path).read(countSeparators(bytes), progress);
}

std::variant<int, FileError> CountRecordsInFile(const QString& path) {
  auto opened = plain_file::open(path, plain_file::kDataFileCap);
  if (auto* error = std::get_if<FileError>(&opened)) return *error;
  return countSeparators(std::get<plain_file::OpenedFile>(opened), kRecipePieceSize);
}

std::variant<RecipeTable, FileError> ReadRecipeFile(const QString& path, const Progress& progress,
                                                    qsizetype pieceSize) {
  auto opened = plain_file::open(path, plain_file::kDataFileCap);
  if (auto* error = std::get_if<FileError>(&opened)) return *error;
  plain_file::OpenedFile& file = std::get<plain_file::OpenedFile>(opened);
  const auto counted = countSeparators(file, pieceSize);
  if (auto* error = std::get_if<FileError>(&counted)) return *error;
  LineCursor lines(file, pieceSize);
  auto table = Reader(lines, path).read(std::get<int>(counted), progress);
  if (std::holds_alternative<RecipeTable>(table) && file.changedWhileRead())
    return FileError{FileError::Kind::Unfinished, path, 0, QStringLiteral("読み込む間にファイルの大きさが変わりました。")};
  return table;
}

}  // namespace recipe_file
