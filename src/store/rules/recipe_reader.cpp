#include "store/rules/recipe_reader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/rules/cp932.h"
#include "platform/rules/numbers.h"
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
// are not read.
class LineCursor {
 public:
  explicit LineCursor(QByteArrayView bytes) : at_(bytes.data()), end_(bytes.data() + EndOfRecords(bytes)) {}
  bool atEnd() const { return at_ == end_; }
  int number() const { return number_; }  // of the line read last; at the end, the count of lines

  QByteArrayView next() {
    const auto* lf = static_cast<const char*>(std::memchr(at_, '\n', size_t(end_ - at_)));
    const char* stop = lf ? lf : end_;
    const char* lineEnd = lf && lf > at_ && lf[-1] == '\r' ? lf - 1 : stop;
    const QByteArrayView line(at_, lineEnd - at_);
    at_ = lf ? lf + 1 : end_;
    ++number_;
    return line;
  }

 private:
  const char* at_;
  const char* end_;
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

class Reader {
 public:
  Reader(QByteArrayView bytes, const QString& path) : bytes_(bytes), lines_(bytes), path_(path) {}

  std::variant<RecipeTable, FileError> read(const Progress& progress) {
    const int counted = countSeparators(bytes_);
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

 private:
  // The lines after a record's separator, up to its end line.
  bool readRecord(Recipe& r) {
    for (int f = 0; f < kHeaderCount; ++f) {
      if (!nextLine() || !decodeLine(true)) return false;
      const HeaderField& field = kHeader[f];
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
    if (lines_.atEnd()) {
      error_ = malformed(lines_.number(),
                         QStringLiteral("レシピの途中でファイルが終わっています（最後のレシピに終わりの行「'」がありません）。"));
      return false;
    }
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
    error_ = FileError{FileError::Kind::NotCp932, path_, lines_.number(), {}};
    return false;
  }

  QStringView decoded() const { return QStringView(scratch_.data(), used_); }

  void room(qsizetype more) {
    if (qsizetype(scratch_.size()) < used_ + more) scratch_.resize(std::max(2 * scratch_.size(), size_t(used_ + more)));
  }

  // A byte that is not CP932 is named first, wherever it stands, as a reader decoding the whole
  // file before looking at its lines would: the file is then not text at all.
  FileError malformed(int line, const QString& detail) const {
    const qsizetype bad = cp932::firstUndecodable(bytes_);
    if (bad >= 0)
      return FileError{FileError::Kind::NotCp932, path_,
                       int(std::count(bytes_.begin(), bytes_.begin() + bad, '\n')) + 1, {}};
    return FileError{FileError::Kind::Malformed, path_, line, detail};
  }

  QByteArrayView bytes_;
  LineCursor lines_;
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
  return Reader(bytes, path).read(progress);
}

}  // namespace recipe_file
