// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory the process holds now (VmRSS), in megabytes: whether a write leaves a lasting peak.
#include <QFile>

namespace bench {

inline double ResidentMegabytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
  return 0;
}

}  // namespace bench
