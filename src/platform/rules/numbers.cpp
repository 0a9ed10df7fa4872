// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/numbers.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace numbers {
namespace {

bool skipped(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// Fixed notation within [1E-4, 10^digits), exponent notation outside (0.0001 but 1E-05): the form
// every number in the files takes.
QString format(double value, int digits) {
  if (value == 0 || !std::isfinite(value)) return QStringLiteral("0");
  // Whole numbers of at most `digits` digits, the common case, need no rounding.
  if (std::fabs(value) < 1e6 && value == std::floor(value)) return QString::number(qint64(value));
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
  std::string text(buffer);
  const auto e = text.find('e');
  const int exponent = std::atoi(text.c_str() + e + 1);
  std::string mantissa = text.substr(0, e);
  const bool negative = mantissa[0] == '-';
  if (negative) mantissa.erase(0, 1);
  std::string digitsOnly;
  for (char c : mantissa)
    if (c != '.') digitsOnly += c;
  while (digitsOnly.size() > 1 && digitsOnly.back() == '0') digitsOnly.pop_back();

  std::string out;
  if (exponent < -4 || exponent >= digits) {
    out = digitsOnly.substr(0, 1);
    if (digitsOnly.size() > 1) out += "." + digitsOnly.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    out += exp;
  } else if (exponent < 0) {
    out = "0." + std::string(size_t(-exponent - 1), '0') + digitsOnly;
  } else {
    const size_t whole = size_t(exponent) + 1;
    if (digitsOnly.size() <= whole) {
      out = digitsOnly + std::string(whole - digitsOnly.size(), '0');
    } else {
      out = digitsOnly.substr(0, whole) + "." + digitsOnly.substr(whole);
    }
  }
  if (negative) out.insert(0, "-");
  return QString::fromLatin1(out.c_str());
}

// The leading number as strtod reads it: beyond the range of a double it is an infinity.
double readLeadingNumber(QStringView text) {
  std::string number;
  bool digitSeen = false, pointSeen = false, inExponent = false, exponentDigit = false;
  qsizetype i = 0;
  const qsizetype n = text.size();
  auto next = [&]() -> QChar {
    while (i < n && skipped(text[i])) ++i;
    return i < n ? text[i] : QChar();
  };
  QChar c = next();
  if (c == u'+' || c == u'-') {
    number += char(c.unicode());
    ++i;
  }
  std::string mantissaEnd;  // the number up to (not including) an exponent that has no digits
  for (c = next(); i < n; c = next()) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') {
      number += char(u);
      if (inExponent) exponentDigit = true;
      else digitSeen = true;
    } else if (u == '.' && !pointSeen && !inExponent) {
      pointSeen = true;
      number += '.';
    } else if ((u == 'e' || u == 'E' || u == 'd' || u == 'D') && !inExponent && digitSeen) {
      inExponent = true;
      mantissaEnd = number;
      number += 'e';
      ++i;
      const QChar sign = next();
      if (sign == u'+' || sign == u'-') {
        number += char(sign.unicode());
        ++i;
      }
      continue;
    } else {
      break;
    }
    ++i;
  }
  if (!digitSeen) return 0;
  if (inExponent && !exponentDigit) number = mantissaEnd;
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace

double ReadNumber(QStringView text) {
  const double value = readLeadingNumber(text);
  return std::isfinite(value) ? value : 0;
}

double ReadNumberHeld(QStringView text) { return std::clamp(readLeadingNumber(text), -DBL_MAX, DBL_MAX); }

bool FitsSingle(QStringView text) { return std::fabs(ReadNumber(text)) <= FLT_MAX; }

float ReadSingle(QStringView text) {
  const double value = ReadNumber(text);
  return std::fabs(value) <= FLT_MAX ? float(value) : 0.0f;
}

QString FormatSingle(float value) { return format(double(value), 7); }
QString FormatDouble(double value) { return format(value, 15); }

}  // namespace numbers
