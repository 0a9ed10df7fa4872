// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/rules/gzip_entry.h"

#include <zlib.h>

#include <cstring>

namespace gzip_entry {
namespace {

// The extra field holds one subfield of this id (RFC 1952, 2.3.1.1).
constexpr char kSubfieldId[2] = {'Z', 'S'};
constexpr int kGzipWindow = 15 + 16;  // zlib's window bits asking for a gzip wrapper
constexpr qsizetype kMaxFacts = 60000;
constexpr uchar kFlagExtra = 4, kFlagName = 8, kFlagComment = 16, kFlagHeadCrc = 2;

}  // namespace

QByteArray Compress(QByteArrayView data, const Head& head) {
  QByteArray extra;
  const QByteArray facts = head.facts.left(kMaxFacts);
  extra.append(kSubfieldId, 2);
  extra.append(char(facts.size() & 0xff)).append(char(facts.size() >> 8)).append(facts);
  QByteArray comment = head.comment;
  comment.replace('\0', ' ');

  gz_header header{};
  header.time = head.unixTime;
  header.os = 3;  // Unix
  header.extra = reinterpret_cast<Bytef*>(extra.data());
  header.extra_len = uInt(extra.size());
  header.comment = reinterpret_cast<Bytef*>(comment.data());  // zero-terminated by QByteArray

  z_stream stream{};
  deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, kGzipWindow, 8, Z_DEFAULT_STRATEGY);
  deflateSetHeader(&stream, &header);
  QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))) + extra.size() + comment.size() + 64,
                 Qt::Uninitialized);
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = uInt(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = uInt(out.size());
  deflate(&stream, Z_FINISH);
  out.truncate(qsizetype(stream.total_out));
  deflateEnd(&stream);
  return out;
}

std::optional<Head> ReadHead(QByteArrayView start) {
  const auto byte = [&](qsizetype i) { return uchar(start[i]); };
  if (start.size() < 10 || byte(0) != 0x1f || byte(1) != 0x8b || byte(2) != 8) return std::nullopt;
  const uchar flags = byte(3);
  Head head;
  head.unixTime = quint32(byte(4)) | quint32(byte(5)) << 8 | quint32(byte(6)) << 16 | quint32(byte(7)) << 24;
  qsizetype at = 10;
  if (flags & kFlagExtra) {
    if (start.size() < at + 2) return std::nullopt;
    const qsizetype length = byte(at) | qsizetype(byte(at + 1)) << 8;
    at += 2;
    if (start.size() < at + length) return std::nullopt;
    // Subfields: two id bytes, a two-byte length, the data.
    for (qsizetype sub = at; sub + 4 <= at + length;) {
      const qsizetype subLength = byte(sub + 2) | qsizetype(byte(sub + 3)) << 8;
      if (sub + 4 + subLength > at + length) return std::nullopt;
      if (start[sub] == kSubfieldId[0] && start[sub + 1] == kSubfieldId[1])
        head.facts = start.sliced(sub + 4, subLength).toByteArray();
      sub += 4 + subLength;
    }
    at += length;
  }
  const auto zeroEnded = [&](QByteArray* into) {
    const qsizetype end = start.indexOf('\0', at);
    if (end < 0) return false;
    if (into) *into = start.sliced(at, end - at).toByteArray();
    at = end + 1;
    return true;
  };
  if ((flags & kFlagName) && !zeroEnded(nullptr)) return std::nullopt;
  if ((flags & kFlagComment) && !zeroEnded(&head.comment)) return std::nullopt;
  if ((flags & kFlagHeadCrc) && start.size() < at + 2) return std::nullopt;
  return head;
}

std::optional<QByteArray> Decompress(QByteArrayView member, qint64 cap) {
  // The last four bytes give the length of the data (modulo 2^32): room is made once.
  if (member.size() < 18) return std::nullopt;
  quint32 stated = 0;
  std::memcpy(&stated, member.data() + member.size() - 4, 4);  // little-endian, as on this machine
  if (qint64(stated) > cap) return std::nullopt;
  z_stream stream{};
  if (inflateInit2(&stream, kGzipWindow) != Z_OK) return std::nullopt;
  QByteArray out(qsizetype(stated) + 1, Qt::Uninitialized);  // one more, to see data beyond the stated length
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(member.data()));
  stream.avail_in = uInt(member.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = uInt(out.size());
  const int result = inflate(&stream, Z_FINISH);
  const uLong produced = stream.total_out;
  const bool whole = result == Z_STREAM_END && stream.avail_in == 0 && produced == stated;
  inflateEnd(&stream);
  if (!whole) return std::nullopt;
  out.truncate(qsizetype(produced));
  return out;
}

}  // namespace gzip_entry
