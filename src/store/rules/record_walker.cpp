// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/record_walker.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/rules/cp932.h"
#include "platform/rules/numbers.h"
#include "store/rules/line_cursor.h"
#include "store/rules/recipe_layout.h"

namespace recipe_file {
namespace {

using namespace layout;

// The marker lines are ASCII, and no byte of a two-byte CP932 character is a line feed, a
// carriage return, an asterisk, a hyphen or an apostrophe: markers are found in the bytes.
const QByteArray kSeparatorBytes = kSeparator.toLatin1();
const QByteArray kStopBytes[] = {kSectionEnd.toLatin1(), kRecordEnd.toLatin1()};

const QByteArray& stopBytesOf(int s) { return kStopBytes[s < kSectionCount - 1 ? 0 : 1]; }

bool isLine(QByteArrayView line, const QByteArray& marker) {
  return line.size() == marker.size() && std::memcmp(line.data(), marker.constData(), size_t(line.size())) == 0;
}

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

QStringList labelsOf(const auto& fields) {
  QStringList labels;
  for (const auto& field : fields) labels.append(field.label);
  return labels;
}

const QStringList kHeaderLabels = labelsOf(kHeader);
const QStringList kSectionLabels = labelsOf(kSections);

// The count as a number turned back into text ("03" -> "3", "" -> "0"); a count already in that
// form is taken as it is.
QString normalisedCount(QStringView text) {
  const bool plain = !text.isEmpty() && text.size() <= 9 && (text[0] != u'0' || text.size() == 1) &&
                     std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  return plain ? text.toString() : numbers::FormatDouble(numbers::ReadNumber(text));
}

}  // namespace

// The line being read, the text decoded so far into one scratch buffer, and the shared values.
struct RecordWalker::Decoder {
  QByteArrayView line;
  std::vector<char16_t> scratch;
  qsizetype used = 0;
  SharedValues shared[kHeaderCount];

  QStringView decoded() const { return QStringView(scratch.data(), used); }
  void room(qsizetype more) {
    if (qsizetype(scratch.size()) < used + more) scratch.resize(std::max(2 * scratch.size(), size_t(used + more)));
  }
};

RecordWalker::RecordWalker(LineCursor& lines, const QString& path, Fields fields)
    : lines_(lines), path_(path), fields_(fields), decoder_(std::make_unique<Decoder>()) {}

RecordWalker::~RecordWalker() = default;

bool RecordWalker::next() {
  if (error_) return false;
  const bool read = [&] {
    if (lines_.atEnd()) return false;
    const QByteArrayView line = lines_.next();
    span_ = RecordSpan{lines_.lineOffset(), 0, lines_.number()};
    if (!isLine(line, kSeparatorBytes)) {
      error_ = malformed(lines_.number(), QStringLiteral("レシピの始まりの行（*が31個）があるはずの所に別の文字があります。"));
      return false;
    }
    if (count_ == kMaxRecipes) {
      error_ = malformed(lines_.number(), QStringLiteral("レシピが%1件を超えています。").arg(kMaxRecipes));
      return false;
    }
    record_ = Recipe();
    if (!readRecord()) return false;
    span_.end = lines_.nextOffset();
    ++count_;
    return true;
  }();
  // A file that could not be read to its end ended early for want of reading.
  if (!read && lines_.readError()) error_ = *lines_.readError(), endedInside_ = false;
  return read;
}

// The lines after a record's separator, up to its end line.
bool RecordWalker::readRecord() {
  Decoder& d = *decoder_;
  const bool all = fields_ == Fields::All;
  const Recipe* known = std::exchange(known_, nullptr);
  // The known record's value when the text read is that value, else the value made from it.
  auto keepOr = [known](QString Recipe::*member, QStringView read, auto make) -> QString {
    if (known && known->*member == read) return known->*member;
    return make(read);
  };
  for (int f = 0; f < kHeaderCount; ++f) {
    // Every header line is decoded, kept or not: its label must stand in its place.
    if (!nextLine() || !decodeLine(true) || !labelInPlace(kHeaderLabels, f)) return false;
    const HeaderField& field = kHeader[f];
    if (!all && field.text != &Recipe::DishName) continue;
    const QStringView value = d.decoded().mid(kLabelLength);
    switch (field.type) {
      case T::Text:
        record_.*field.text = field.repeats ? d.shared[f](value, textOf) : keepOr(field.text, value, textOf);
        break;
      case T::Single: record_.*field.single = numbers::ReadSingle(value); break;
      case T::Count: record_.*field.text = d.shared[f](value, normalisedCount); break;
    }
  }
  for (int s = 0; s < kSectionCount; ++s) {
    // The lines that open a section are passed over (the first section's is the header's end
    // line too), but they must still be CP932.
    for (int opening = s == 0 ? 2 : 1; opening > 0; --opening)
      if (!nextLine() || !decodeLine(true)) return false;
    if (!labelInPlace(kSectionLabels, s)) return false;
    d.used = 0;
    for (bool first = true;; first = false) {
      if (!nextLine()) return false;
      if (isLine(d.line, stopBytesOf(s))) break;
      if (!all) {
        if (!checkLine()) return false;
        continue;
      }
      if (!first) {
        d.room(2);
        d.scratch[size_t(d.used++)] = u'\r';
        d.scratch[size_t(d.used++)] = u'\n';
      }
      if (!decodeLine(false)) return false;
    }
    // A section of one empty line is an empty value, as is a section without lines.
    if (all) record_.*kSections[s].text = d.used ? keepOr(kSections[s].text, d.decoded(), textOf) : QString();
  }
  return true;
}

bool RecordWalker::nextLine() {
  if (lines_.atEnd()) {
    cutShort(QStringLiteral("レシピの途中でファイルが終わっています（最後のレシピに終わりの行「'」がありません）。"));
    endedInside_ = error_->kind == FileError::Kind::Unfinished;
    return false;
  }
  decoder_->line = lines_.next();
  return true;
}

// Decodes the current line into the scratch text, in place of what it holds or after it.
bool RecordWalker::decodeLine(bool replacing) {
  Decoder& d = *decoder_;
  if (replacing) d.used = 0;
  d.room(d.line.size());
  const cp932::Run run = cp932::decodeInto(d.line, d.scratch.data() + d.used);
  d.used += run.written;
  return run.badOffset < 0 || undecodableAt(run.badOffset);
}

// Checks that the current line is CP932, for a line whose text is not kept.
bool RecordWalker::checkLine() {
  const auto bad = cp932::firstUndecodable(decoder_->line);
  return bad < 0 || undecodableAt(bad);
}

// The current line holds a byte that is not CP932 at offset.
bool RecordWalker::undecodableAt(qsizetype offset) {
  // A first byte of a character with nothing after it at the end of the file: the file was cut there.
  if (offset == decoder_->line.size() - 1 && lines_.atEnd()) {
    error_ = FileError{FileError::Kind::Unfinished, path_, lines_.number(), QStringLiteral("最後の文字が途中で切れています。")};
    return false;
  }
  error_ = FileError{FileError::Kind::NotCp932, path_, lines_.number(), {}};
  return false;
}

// A line other than a record's own labels may stand where a label is (an old file's "NAME: ");
// but a label of another line, or a marker line, there means that the record was cut short and
// another written on after the cut.
bool RecordWalker::labelInPlace(const QStringList& labels, int expected) {
  const QStringView line = decoder_->decoded();
  if (line.startsWith(labels[expected])) return true;
  for (const QString& other : labels)
    if (line.startsWith(other))
      return cutShort(QStringLiteral("「%1」の行があるはずの所に「%2」の行があります。").arg(labels[expected], other));
  for (const QString& marker : {kSeparator, kSectionEnd, kRecordEnd})
    if (line == marker) return cutShort(QStringLiteral("「%1」の行があるはずの所でレシピが区切られています。").arg(labels[expected]));
  return true;
}

// A file still being written, or one cut short and perhaps written on after the cut.
bool RecordWalker::cutShort(const QString& detail) {
  error_ = malformed(lines_.number(), detail);
  if (error_->kind == FileError::Kind::Malformed) error_->kind = FileError::Kind::Unfinished;
  return false;
}

// A byte that is not CP932 is named first, wherever it stands, as a reader decoding the whole
// file before looking at its lines would: the file is then not text at all. The lines before
// the one read last have all been decoded already.
FileError RecordWalker::malformed(int line, const QString& detail) {
  if (const int bad = lines_.firstUndecodableLine()) return FileError{FileError::Kind::NotCp932, path_, bad, {}};
  return FileError{FileError::Kind::Malformed, path_, line, detail};
}

}  // namespace recipe_file
