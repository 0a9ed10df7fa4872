// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/backups.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStorageInfo>
#include <algorithm>
#include <utility>

#include "platform/rules/plain_file.h"
#include "platform/rules/text_file.h"
#include "store/rules/gzip_entry.h"

namespace backups {
namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss");
const QString kCompressedEnding = QStringLiteral(".gz");
// Room left on the disk beyond the entry and the rewritten file, for the write's own needs.
constexpr qint64 kRoomToSpare = 64 * 1024;
// An entry's head is read from its first bytes; one of many records' positions may need more.
constexpr qsizetype kHeadPiece = 4096;
constexpr qsizetype kLongestHead = 70000;
// A day's first state from this size on is compressed beside the write (see BookBackups).
constexpr qsizetype kCompressedLater = 1024 * 1024;

// "レシピ.TXT" -> {"レシピ", ".TXT"}; a name without a dot has no extension.
std::pair<QString, QString> splitExtension(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(u'.');
  if (dot <= 0) return {fileName, QString()};
  return {fileName.left(dot), fileName.mid(dot)};
}

// Captures: 1 stem, 2 time, 3 sequence (numbered entries) or copy number (earlier copies),
// 4 extension. Given a file name, only that file's entries match.
QRegularExpression namePattern(bool numbered, const QString& fileName = {}) {
  QString stem = QStringLiteral("(.+)"), extension = QStringLiteral("(\\.[^._]*)?");
  if (!fileName.isEmpty()) {
    const auto [s, e] = splitExtension(fileName);
    stem = u'(' + QRegularExpression::escape(s) + u')';
    extension = u'(' + QRegularExpression::escape(e) + u')';
  }
  const QString middle = numbered ? QStringLiteral("_(\\d{8}-\\d{6})_(\\d{6,})") : QStringLiteral("_(\\d{8}-\\d{6})(?:_(\\d{2}))?");
  return QRegularExpression(u'^' + stem + middle + extension + (numbered ? QStringLiteral("\\.gz$") : QStringLiteral("$")),
                            QRegularExpression::CaseInsensitiveOption);
}

FileError failed(const QString& path, const QString& detail) {
  return FileError{FileError::Kind::WriteFailed, path, 0, detail};
}

// The backup folder, made when missing. A link in its place is refused: entries never leave the
// book's folder.
std::optional<FileError> ensureFolder(const QString& folder) {
  const QFileInfo info(folder);
  if (info.isSymLink() || (info.exists() && !info.isDir()))
    return failed(folder, QStringLiteral("同じ名前のファイルかリンクがあります。"));
  if (!info.exists() && !QDir().mkdir(folder)) return failed(folder, QStringLiteral("フォルダーを作成できません。"));
  return std::nullopt;
}

QString kindWord(Kind kind) {
  switch (kind) {
    case Kind::DayStart: return QStringLiteral("day");
    case Kind::Whole: return QStringLiteral("whole");
    case Kind::Records: return QStringLiteral("records");
    default: return QString();
  }
}

// The facts of an entry's head: "seq=42", "kind=records", "pos=2,5", "len=1204,998", a line each.
QByteArray factsOf(qint64 sequence, Kind kind, const std::vector<OldRecord>& records) {
  QByteArray facts = "seq=" + QByteArray::number(sequence) + "\nkind=" + kindWord(kind).toLatin1() + '\n';
  if (kind != Kind::Records) return facts;
  QByteArrayList positions, lengths;
  for (const OldRecord& r : records) {
    positions.append(QByteArray::number(r.position));
    lengths.append(QByteArray::number(r.bytes.size()));
  }
  return facts + "pos=" + positions.join(',') + "\nlen=" + lengths.join(',') + '\n';
}

std::vector<qint64> numbersOf(const QByteArray& list) {
  std::vector<qint64> numbers;
  for (const QByteArray& n : list.split(','))
    if (!n.isEmpty()) numbers.push_back(n.toLongLong());
  return numbers;
}

// Reads the head of a numbered entry into backup; a head that does not read leaves it Damaged.
void readHead(Backup& backup) {
  auto opened = plain_file::open(backup.path, plain_file::kDataFileCap);
  if (!std::holds_alternative<plain_file::OpenedFile>(opened)) return;
  auto& file = std::get<plain_file::OpenedFile>(opened);
  QByteArray start;
  std::optional<gzip_entry::Head> head;
  while (!head && start.size() < kLongestHead) {
    const qsizetype had = start.size();
    start.resize(had + kHeadPiece);
    auto got = file.readSome(start.data() + had, kHeadPiece);
    if (!std::holds_alternative<qsizetype>(got) || std::get<qsizetype>(got) == 0) return;
    start.truncate(had + std::get<qsizetype>(got));
    head = gzip_entry::ReadHead(start);
  }
  if (!head) return;
  Kind kind = Kind::Damaged;
  for (const QByteArray& line : head->facts.split('\n')) {
    const qsizetype eq = line.indexOf('=');
    const QByteArray key = line.left(eq), value = line.mid(eq + 1);
    if (key == "seq") backup.sequence = value.toLongLong();
    if (key == "kind")
      for (Kind k : {Kind::DayStart, Kind::Whole, Kind::Records})
        if (value == kindWord(k).toLatin1()) kind = k;
    if (key == "pos")
      for (qint64 n : numbersOf(value)) backup.positions.push_back(int(n));
  }
  if (backup.sequence <= 0) return;
  backup.kind = kind;
  backup.what = QString::fromUtf8(head->comment);
}

// "20261208-183738" as a time of day on a date; invalid when it is none. The digits stand as the
// clock showed them: parsed without a time zone, which would look the zone up for every name.
QDateTime stampTime(QStringView stamp) {
  const auto number = [&](qsizetype from, qsizetype length) { return stamp.mid(from, length).toInt(); };
  const QDate date(number(0, 4), number(4, 2), number(6, 2));
  const QTime time(number(9, 2), number(11, 2), number(13, 2));
  if (!date.isValid() || !time.isValid()) return {};
  return QDateTime(date, time, Qt::UTC);
}

// Every entry in the backup folder whose name fits, of one file or (fileName empty) of all.
std::vector<Backup> entries(const QString& bookFolder, const QString& fileName) {
  const QString folder = FolderOf(bookFolder);
  if (QFileInfo(folder).isSymLink()) return {};
  const QRegularExpression numbered = namePattern(true, fileName), earlier = namePattern(false, fileName);
  std::vector<Backup> found;
  for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::NoSymLinks | QDir::Hidden, QDir::Name)) {
    const QString name = info.fileName();
    const QRegularExpressionMatch n = numbered.match(name);
    const QRegularExpressionMatch match = n.hasMatch() ? n : earlier.match(name);
    if (!match.hasMatch()) continue;
    Backup backup;
    backup.path = info.filePath();
    backup.fileName = name;
    backup.ofFile = match.captured(1) + match.captured(4);
    backup.takenAt = stampTime(match.capturedView(2));
    if (!backup.takenAt.isValid()) continue;
    if (n.hasMatch()) readHead(backup);
    else backup.kind = Kind::Earlier;
    found.push_back(std::move(backup));
  }
  return found;
}

// Oldest first: earlier copies and damaged entries (by name), then numbered entries by sequence.
void sortOldestFirst(std::vector<Backup>& found) {
  std::stable_sort(found.begin(), found.end(),
                   [](const Backup& a, const Backup& b) { return a.sequence < b.sequence; });
}

qint64 nextSequence(const QString& bookFolder) {
  qint64 last = 0;
  const QRegularExpression numbered = namePattern(true);
  for (const QString& name : QDir(FolderOf(bookFolder)).entryList(QDir::Files | QDir::Hidden)) {
    const QRegularExpressionMatch match = numbered.match(name);
    if (match.hasMatch()) last = std::max(last, match.captured(3).toLongLong());
  }
  return last + 1;
}

bool dayStartTaken(const std::vector<Backup>& kept, const QDate& today) {
  for (auto b = kept.rbegin(); b != kept.rend(); ++b)
    if (b->kind == Kind::DayStart) return b->takenAt.date() == today;
  return false;
}

qint64 sizeOf(const Backup& b) { return QFileInfo(b.path).size(); }

// Removes the oldest entries beyond what is kept: kDaysKept day states, kWritesKept others.
void dropBeyondKept(const std::vector<Backup>& oldestFirst) {
  int days = 0, writes = 0;
  for (auto b = oldestFirst.rbegin(); b != oldestFirst.rend(); ++b) {
    const bool day = b->kind == Kind::DayStart;
    if ((day ? ++days : ++writes) > (day ? kDaysKept : kWritesKept)) QFile::remove(b->path);
  }
}

// Makes room for an entry of `needed` bytes beside the rewritten file: the oldest history
// entries go first, the day states last. False, with nothing removed, when even all of them
// would not do.
bool makeRoom(std::vector<Backup>& oldestFirst, qint64 needed, qint64 free, int& dropped) {
  if (free >= needed) return true;
  std::vector<Backup> order = oldestFirst;
  std::stable_partition(order.begin(), order.end(), [](const Backup& b) { return b.kind != Kind::DayStart; });
  qint64 freed = 0;
  size_t count = 0;
  while (free + freed < needed && count < order.size()) freed += sizeOf(order[count++]);
  if (free + freed < needed) return false;
  for (size_t i = 0; i < count; ++i) {
    QFile::remove(order[i].path);
    std::erase_if(oldestFirst, [&](const Backup& b) { return b.path == order[i].path; });
  }
  dropped += int(count);
  return true;
}

struct Planned {
  Kind kind;
  QString what;
  QByteArray kept;  // uncompressed
  std::vector<OldRecord> records;
};

std::vector<Planned> plan(const Write& write, bool dayStartNeeded, const std::function<QByteArray()>& whole) {
  std::vector<Planned> planned;
  if (dayStartNeeded) planned.push_back({Kind::DayStart, kDayStartWords, whole(), {}});
  if (write.change == Change::Removes) {
    if (!write.records.empty()) {
      QByteArray kept;
      for (const OldRecord& r : write.records) kept += r.bytes;
      planned.push_back({Kind::Records, write.what, kept, write.records});
    } else if (!dayStartNeeded) {
      // The day's state just taken holds the same bytes.
      planned.push_back({Kind::Whole, write.what, whole(), {}});
    }
  }
  return planned;
}

}  // namespace

QString NameFor(const QString& fileName, const QDateTime& at, qint64 sequence) {
  const auto [stem, extension] = splitExtension(fileName);
  return stem + u'_' + at.toString(kStampFormat) + QStringLiteral("_%1").arg(sequence, 6, 10, QLatin1Char('0')) +
         extension + kCompressedEnding;
}

QString FolderOf(const QString& bookFolder) { return QDir(bookFolder).filePath(kFolderName); }

std::vector<Backup> List(const QString& bookFolder, const QString& fileName) {
  std::vector<Backup> found = entries(bookFolder, fileName);
  sortOldestFirst(found);
  return found;
}

std::vector<Backup> ListAll(const QString& bookFolder) {
  std::vector<Backup> found = entries(bookFolder, {});
  // Earlier copies carry no sequence: among themselves, and against other files' earlier
  // copies, their names' times order them.
  std::stable_sort(found.begin(), found.end(), [](const Backup& a, const Backup& b) {
    if (a.sequence != b.sequence) return a.sequence > b.sequence;
    return a.sequence == 0 && a.takenAt > b.takenAt;
  });
  return found;
}

std::variant<QByteArray, FileError> Contents(const Backup& backup) {
  auto bytes = plain_file::read(backup.path, plain_file::kDataFileCap);
  if (backup.kind == Kind::Earlier || std::holds_alternative<FileError>(bytes)) return bytes;
  auto data = gzip_entry::Decompress(std::get<QByteArray>(bytes), plain_file::kDataFileCap);
  if (!data) return FileError{FileError::Kind::Malformed, backup.path, 0, QStringLiteral("バックアップが壊れています。")};
  return std::move(*data);
}

qint64 SystemFreeSpace(const QString& folder) { return QStorageInfo(folder).bytesAvailable(); }

Outcome BeforeWrite(const QString& path, const Write& write, const QDateTime& now, const FreeSpace& freeSpace,
                    LaterEntry* later) {
  Outcome outcome;
  const QFileInfo file(path);
  // Only a regular file is kept: nothing is there to lose in a missing file, and a folder or a
  // link in its place is left to the write to report.
  if (!file.isFile() || file.isSymLink()) return outcome;
  const QString bookFolder = file.absolutePath();
  std::vector<Backup> kept = List(bookFolder, file.fileName());
  const bool dayStartNeeded = !dayStartTaken(kept, now.date());
  if (!dayStartNeeded && write.change == Change::Keeps) return outcome;

  const QString folder = FolderOf(bookFolder);
  if (auto error = ensureFolder(folder)) {
    outcome.notKept = error;
    return outcome;
  }
  std::optional<QByteArray> wholeFile;
  std::optional<FileError> readError;
  const auto whole = [&]() -> QByteArray {
    if (!wholeFile) {
      auto bytes = text_file::readBytes(path);
      if (auto* error = std::get_if<FileError>(&bytes)) readError = *error;
      wholeFile = std::holds_alternative<QByteArray>(bytes) ? std::get<QByteArray>(std::move(bytes)) : QByteArray();
    }
    return *wholeFile;
  };
  const std::vector<Planned> planned = plan(write, dayStartNeeded, whole);
  if (readError) {
    outcome.notKept = readError;
    return outcome;
  }
  qint64 sequence = nextSequence(bookFolder);
  for (const Planned& p : planned) {
    const gzip_entry::Head head{factsOf(sequence, p.kind, p.records), p.what.toUtf8(), quint32(now.toSecsSinceEpoch())};
    const QString entryPath = QDir(folder).filePath(NameFor(file.fileName(), now, sequence));
    if (later && p.kind == Kind::DayStart && p.kept.size() >= kCompressedLater &&
        freeSpace(folder) >= 2 * (p.kept.size() + file.size()) + kRoomToSpare) {
      *later = [kept = p.kept, head, entryPath] { return text_file::writeBytes(entryPath, gzip_entry::Compress(kept, head)); };
      outcome.made.append(entryPath);
      kept.push_back(Backup{entryPath, {}, {}, p.kind, sequence++, {}, {}, {}});
      continue;
    }
    const QByteArray member = gzip_entry::Compress(p.kept, head);
    // The rewritten file is about as large as the file is now.
    if (!makeRoom(kept, member.size() + file.size() + kRoomToSpare, freeSpace(folder), outcome.droppedForRoom)) {
      outcome.notKept = failed(entryPath, QStringLiteral("ディスクの空き容量が足りないため、%1（%2）は残していません。")
                                              .arg(file.fileName(), p.what));
      break;
    }
    if (auto error = text_file::writeBytes(entryPath, member)) {
      outcome.notKept = error;
      break;
    }
    outcome.made.append(entryPath);
    kept.push_back(Backup{entryPath, {}, {}, p.kind, sequence++, {}, {}, {}});
  }
  dropBeyondKept(kept);
  return outcome;
}

void Discard(const Outcome& outcome) {
  for (const QString& path : outcome.made) QFile::remove(path);
}

}  // namespace backups

backups::Outcome BookBackups::beforeWrite(const QString& path, const backups::Write& write) {
  finish();
  backups::LaterEntry later;
  backups::Outcome outcome = backups::BeforeWrite(path, write, clock_->now(), freeSpace_, &later);
  if (!outcome.notKept) outcome.notKept = std::exchange(laterFailure_, std::nullopt);
  if (later) writing_ = std::thread([this, later = std::move(later)] { laterFailure_ = later(); });
  return outcome;
}

void BookBackups::finish() {
  if (writing_.joinable()) writing_.join();
}

void BookBackups::discard(const backups::Outcome& outcome) {
  finish();
  laterFailure_.reset();
  backups::Discard(outcome);
}

QString BackupFailureMessage(const backups::Outcome& outcome) {
  QStringList parts;
  if (const auto& error = outcome.notKept) {
    QString text = QStringLiteral("バックアップを作成できませんでした。\n「%1」").arg(error->path);
    if (!error->detail.isEmpty()) text += u'\n' + error->detail;
    parts.append(text);
  }
  if (outcome.droppedForRoom > 0)
    parts.append(QStringLiteral("空き容量を作るため、古いバックアップを%1件削除しました。").arg(outcome.droppedForRoom));
  if (parts.isEmpty()) return QString();
  return parts.join(u'\n') + QStringLiteral("\n保存はこのまま続けます。空き容量と「%1」フォルダーに書き込めるかを確かめてください。")
                                 .arg(backups::kFolderName);
}
