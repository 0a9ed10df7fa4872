// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers shared by the rules tests: readable QString output, CP932 bytes, and unwrapping
// the value-or-FileError results the rules return.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>
#include <string>
#include <variant>

#include "platform/rules/cp932.h"
#include "platform/rules/file_error.h"

using namespace Qt::StringLiterals;  // u"肉じゃが"_s

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) {
  *os << '{';
  for (qsizetype i = 0; i < list.size(); ++i) *os << (i ? ", " : "") << '"' << list[i].toStdString() << '"';
  *os << '}';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) { *os << bytes.toHex(' ').toStdString(); }

// The CP932 bytes of a text that is known to be encodable.
inline QByteArray sjis(const QString& text) {
  const cp932::Encoded encoded = cp932::encode(text);
  EXPECT_FALSE(encoded.error) << "test text not encodable: " << text.toStdString();
  return encoded.bytes;
}

// The CP932 bytes of lines, each followed by CR LF.
inline QByteArray sjisLines(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += sjis(line) + "\r\n";
  return bytes;
}

template <class T>
T valueOf(std::variant<T, FileError> result) {
  if (auto* error = std::get_if<FileError>(&result)) {
    ADD_FAILURE() << "unexpected file error: " << error->message().toStdString();
    return T{};
  }
  return std::get<T>(std::move(result));
}

template <class T>
FileError errorOf(std::variant<T, FileError> result) {
  if (auto* error = std::get_if<FileError>(&result)) return *error;
  ADD_FAILURE() << "expected a file error, got a value";
  return FileError{};
}

// Row names for TEST_P tables.
struct ByName {
  template <class Info>
  std::string operator()(const Info& info) const {
    return info.param.name;
  }
};
