#include "exchange/rules/record_walk.h"

#include "platform/rules/cp932.h"

namespace exchange {
namespace {

constexpr QByteArrayView kSeparator = "*******************************";
constexpr QByteArrayView kSectionEnd = "----------";
constexpr QByteArrayView kRecordEnd = "'";
// The separator, the eleven field lines, the first section end and the "【材料】" line.
constexpr qsizetype kHeadLines = 14;

FileError malformed(const QString& path, qsizetype line, const QString& detail) {
  return FileError{FileError::Kind::Malformed, path, int(line), detail};
}

}  // namespace

ByteLines::ByteLines(QByteArray bytes) : bytes_(std::move(bytes)) {
  const qsizetype n = bytes_.size();
  qsizetype start = 0;
  for (qsizetype i = 0; i < n; ++i) {
    if (bytes_[i] != '\n') continue;
    starts_.push_back(start);
    ends_.push_back(i > start && bytes_[i - 1] == '\r' ? i - 1 : i);
    start = i + 1;
  }
  if (start < n) {
    starts_.push_back(start);
    ends_.push_back(n);
  }
}

QByteArrayView ByteLines::line(qsizetype i) const {
  return QByteArrayView(bytes_).sliced(starts_[size_t(i)], ends_[size_t(i)] - starts_[size_t(i)]);
}

qsizetype ByteLines::startOf(qsizetype i) const { return i < count() ? starts_[size_t(i)] : bytes_.size(); }

std::variant<std::vector<RecordSpan>, FileError> FindRecords(const ByteLines& lines, const QString& path) {
  qsizetype end = lines.count();
  while (end > 0 && lines.line(end - 1).isEmpty()) --end;

  std::vector<RecordSpan> records;
  auto unfinished = [&](qsizetype first) {
    return malformed(path, first + 1,
                     QStringLiteral("この行から始まるレシピが終わりの行「'」の前にファイルの終わりに達しています。"));
  };
  qsizetype i = 0;
  while (i < end) {
    if (lines.line(i) != kSeparator)
      return malformed(path, i + 1, QStringLiteral("レシピの外に、レシピの区切り（*が31個の行）以外の行があります。"));
    const qsizetype first = i;
    i += kHeadLines;
    for (int section = 0; section < 4; ++section) {
      if (section > 0) ++i;  // the section's label line
      const QByteArrayView stop = section < 3 ? kSectionEnd : kRecordEnd;
      while (i < end && lines.line(i) != stop) ++i;
      if (i >= end) return unfinished(first);
      ++i;
    }
    records.push_back({first, i});
  }
  return records;
}

void AppendRecord(QByteArray& out, const ByteLines& lines, RecordSpan span) {
  for (qsizetype i = span.first; i < span.end; ++i) {
    out += lines.line(i);
    out += "\r\n";
  }
}

QString DishNameOf(const ByteLines& lines, RecordSpan span) {
  return cp932::decode(lines.line(span.first + 1).toByteArray()).text.mid(6);
}

const QByteArray& DishNameLabel() {
  static const QByteArray label = cp932::encode(QStringLiteral("【料理名　】")).bytes;
  return label;
}

}  // namespace exchange
