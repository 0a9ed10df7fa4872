// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// gzip members as the backups keep them: the kept bytes compressed, and in the member's head a
// few facts about them (an extra field of the program's own, a comment), which `zcat` passes
// over, so that a user reads the kept bytes with `zcat FILE | iconv -f CP932`.
#include <QByteArray>
#include <optional>

namespace gzip_entry {

struct Head {
  QByteArray facts;    // the program's extra field, at most 60,000 bytes
  QByteArray comment;  // UTF-8, no zero byte
  quint32 unixTime = 0;
};

// One gzip member holding data, compressed for speed.
QByteArray Compress(QByteArrayView data, const Head& head);

// The head of a member from its first bytes; nothing when they are not a whole gzip head.
std::optional<Head> ReadHead(QByteArrayView start);

// The data of a whole member, checked against its length and CRC; nothing when the member is cut
// short, damaged or would exceed cap bytes.
std::optional<QByteArray> Decompress(QByteArrayView member, qint64 cap);

}  // namespace gzip_entry
