// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_import/rules/code_page_text.h"

#include <algorithm>
#include <iterator>

#include "platform/rules/cp932.h"

namespace web_import {

namespace {

struct StandIn {
  char32_t from;
  const char16_t* to;
};

// Symbols pages use that have a near form in the code page.
constexpr StandIn kStandIns[] = {
    {U'♡', u"〇"}, {U'♥', u"●"}, {U'❤', u"●"}, {U'−', u"－"}, {U'–', u"－"},
    {U'—', u"―"},  {U'⁄', u"/"},  {U'•', u"・"}, {U'·', u"・"},
};

QString withStandIns(const QString& text) {
  QString out;
  for (const char32_t c : text.toUcs4()) {
    const auto* s = std::find_if(std::begin(kStandIns), std::end(kStandIns), [c](const StandIn& s) { return s.from == c; });
    out += s != std::end(kStandIns) ? QString::fromUtf16(s->to) : QString::fromUcs4(&c, 1);
  }
  return out;
}

// Characters that only shape the one before them (variation selectors, joiners, skin tones), and
// pictographs: nothing in the code page stands for them.
bool isDropped(char32_t c) {
  return (c >= 0xFE00 && c <= 0xFE0F) || c == 0x200D || c == 0x200B || c == 0x20E3 ||
         (c >= 0x1F000 && c <= 0x1FAFF) || (c >= 0x2600 && c <= 0x27BF) || (c >= 0xE0000 && c <= 0xE007F);
}

bool encodable(const QString& text) { return !cp932::firstUnencodable(text).has_value(); }

// A stand-in first, else the compatibility form's plain form (½ → 1/2), else dropped or 〓.
QString substituteFor(char32_t c) {
  const QString one = QString::fromUcs4(&c, 1);
  for (const QString& candidate : {withStandIns(one), withStandIns(one.normalized(QString::NormalizationForm_KC))}) {
    const QString own = cp932::toCodePageForms(candidate);
    if (own != one && !own.isEmpty() && encodable(own)) return own;
  }
  if (isDropped(c)) return {};
  return QStringLiteral("〓");
}

}  // namespace

QString ForCodePage(const QString& text, QList<Substitution>& substitutions) {
  const QString own = cp932::toCodePageForms(text);
  if (encodable(own)) return own;
  QString out;
  out.reserve(own.size());
  for (const char32_t c : own.toUcs4()) {
    const QString one = QString::fromUcs4(&c, 1);
    if (encodable(one)) {
      out += one;
      continue;
    }
    const Substitution made{c, substituteFor(c)};
    out += made.to;
    if (!substitutions.contains(made)) substitutions.append(made);
  }
  return out;
}

QString DescribeSubstitution(const Substitution& s) {
  return cp932::describeCharacter(s.from) + QStringLiteral(" → ") +
         (s.to.isEmpty() ? QStringLiteral("削除") : QStringLiteral("「%1」").arg(s.to));
}

}  // namespace web_import
