// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/rules/amounts.h"

#include <QRegularExpression>
#include <QStringList>
#include <numeric>

namespace {

// Units written before the number, longest first; the spelling kept for the list.
const std::pair<const char16_t*, const char16_t*> kUnitsBefore[] = {
    {u"大さじ", u"大さじ"}, {u"小さじ", u"小さじ"}, {u"大匙", u"大さじ"}, {u"小匙", u"小さじ"}, {u"カップ", u"カップ"},
    {u"大きめ", u"大きめ"}, {u"小さめ", u"小さめ"}, {u"大", u"大"},       {u"中", u"中"},       {u"小", u"小"}};

const QString kRangeMarks = QStringLiteral("~〜-−");
const QString kKanjiDigits = QStringLiteral("〇一二三四五六七八九");

class Reader {
 public:
  explicit Reader(QString text) : text_(std::move(text)) {}

  bool atEnd() const { return pos_ >= text_.size(); }
  QStringView rest() const { return QStringView(text_).mid(pos_); }
  void skipBlanks() {
    while (!atEnd() && text_[pos_].isSpace()) ++pos_;
  }
  bool take(QStringView word) {
    if (!rest().startsWith(word)) return false;
    pos_ += word.size();
    return true;
  }

  // A number: "3", "1.5", "1/2", "1と1/2", "二", "十二", "半".
  std::optional<Fraction> number(bool& decimal) {
    if (take(u"半")) return Fraction(1, 2);
    if (auto kanji = kanjiNumber()) return Fraction(*kanji);
    auto whole = digits();
    if (!whole) return std::nullopt;
    if (take(u".")) {
      const qsizetype start = pos_;
      auto places = digits();
      if (!places) return std::nullopt;
      decimal = true;
      qint64 scale = 1;
      for (qsizetype i = start; i < pos_; ++i) scale *= 10;
      return Fraction(*whole * scale + *places, scale);
    }
    if (auto fraction = overDenominator(*whole)) return fraction;
    if (take(u"と")) {
      auto top = digits();
      if (!top) return std::nullopt;
      auto part = overDenominator(*top);
      if (!part) return std::nullopt;
      return Sum(Fraction(*whole), *part);
    }
    return Fraction(*whole);
  }

 private:
  std::optional<qint64> digits() {
    const qsizetype start = pos_;
    qint64 value = 0;
    while (!atEnd() && text_[pos_] >= u'0' && text_[pos_] <= u'9' && pos_ - start < 9)
      value = value * 10 + (text_[pos_++].unicode() - u'0');
    if (pos_ == start) return std::nullopt;
    return value;
  }

  std::optional<Fraction> overDenominator(qint64 top) {
    if (!take(u"/")) return std::nullopt;
    auto bottom = digits();
    if (!bottom || *bottom == 0) return std::nullopt;
    return Fraction(top, *bottom);
  }

  // 一 to 九十九 in kanji.
  std::optional<qint64> kanjiNumber() {
    qint64 value = 0;
    qint64 digit = -1;
    const qsizetype start = pos_;
    while (!atEnd()) {
      const qsizetype d = kKanjiDigits.indexOf(text_[pos_]);
      if (d >= 0 && digit < 0) {
        digit = d;
      } else if (text_[pos_] == u'十' && value == 0) {
        value = (digit < 0 ? 1 : digit) * 10;
        digit = -1;
      } else {
        break;
      }
      ++pos_;
    }
    if (pos_ == start) return std::nullopt;
    return value + (digit < 0 ? 0 : digit);
  }

  QString text_;
  qsizetype pos_ = 0;
};

bool isUnitText(QStringView unit) {
  if (unit.size() > 5 || unit == u"分") return false;
  for (QChar c : unit)
    if (c.isDigit() || c.isSpace() || c.isPunct() || c.isSymbol()) return false;
  return true;
}

// The unit's key: letters without case, cc and ml as one, a cup before or after the number.
QString unitKey(const ReadAmount& amount) {
  if (amount.before == u"カップ" && amount.after.isEmpty()) return QStringLiteral("|カップ");
  QString after = amount.after.toCaseFolded();
  if (after == u"cc") after = QStringLiteral("ml");
  return amount.before + u'|' + after;
}

QString amountText(const ReadAmount& a) {
  QString text = a.before + FractionText(a.low, a.decimal);
  if (!(a.high == a.low)) text += u'～' + FractionText(a.high, a.decimal);
  return text + a.after;
}

}  // namespace

Fraction::Fraction(qint64 n, qint64 d) {
  const qint64 g = std::gcd(n, d);
  num = g ? n / g : 0;
  den = g ? d / g : 1;
}

std::optional<Fraction> Sum(Fraction a, Fraction b) {
  qint64 left = 0, right = 0, num = 0, den = 0;
  if (__builtin_mul_overflow(a.num, b.den, &left) || __builtin_mul_overflow(b.num, a.den, &right) ||
      __builtin_add_overflow(left, right, &num) || __builtin_mul_overflow(a.den, b.den, &den))
    return std::nullopt;
  return Fraction(num, den);
}

std::optional<Fraction> Product(Fraction a, Fraction b) {
  qint64 num = 0, den = 0;
  if (__builtin_mul_overflow(a.num, b.num, &num) || __builtin_mul_overflow(a.den, b.den, &den)) return std::nullopt;
  return Fraction(num, den);
}

QString FractionText(Fraction value, bool asDecimal) {
  if (value.den == 1) return QString::number(value.num);
  if (asDecimal && 100 % value.den == 0) return QString::number(double(value.num) / double(value.den), 'g', 12);
  const qint64 whole = value.num / value.den;
  const QString part = QStringLiteral("%1/%2").arg(value.num % value.den).arg(value.den);
  return whole ? QStringLiteral("%1と%2").arg(whole).arg(part) : part;
}

std::optional<ReadAmount> ReadAmountText(const QString& text) {
  QString normal = text.normalized(QString::NormalizationForm_KC).trimmed();
  Reader reader(normal);
  reader.take(u"各");
  ReadAmount amount;
  for (const auto& [written, kept] : kUnitsBefore)
    if (reader.take(QStringView(written))) {
      amount.before = QString::fromUtf16(kept);
      break;
    }
  reader.skipBlanks();
  const auto low = reader.number(amount.decimal);
  if (!low) return std::nullopt;
  amount.low = amount.high = *low;
  reader.skipBlanks();
  if (!reader.atEnd() && kRangeMarks.contains(reader.rest().front())) {
    reader.take(reader.rest().first(1));
    reader.skipBlanks();
    const auto high = reader.number(amount.decimal);
    if (!high) return std::nullopt;
    amount.high = *high;
  }
  reader.skipBlanks();
  amount.after = reader.rest().toString();
  if (!amount.after.isEmpty() && !isUnitText(amount.after)) return std::nullopt;
  return amount;
}

QString AddUpAmounts(const std::vector<AmountToAdd>& amounts) {
  struct Total {
    QString key;
    ReadAmount amount;
  };
  std::vector<Total> totals;
  QStringList unread;
  for (const AmountToAdd& amount : amounts) {
    const QString written = amount.written.trimmed();
    if (written.isEmpty()) continue;
    const auto keepAsWritten = [&] {
      if (!unread.contains(written)) unread.append(written);
    };
    auto read = ReadAmountText(written);
    const auto low = read ? Product(read->low, amount.scale) : std::nullopt;
    const auto high = read ? Product(read->high, amount.scale) : std::nullopt;
    if (!low || !high) {
      keepAsWritten();
      continue;
    }
    read->low = *low;
    read->high = *high;
    const QString key = unitKey(*read);
    auto total = std::find_if(totals.begin(), totals.end(), [&](const Total& t) { return t.key == key; });
    if (total == totals.end()) {
      totals.push_back({key, *read});
      continue;
    }
    const auto lowSum = Sum(total->amount.low, read->low);
    const auto highSum = Sum(total->amount.high, read->high);
    if (!lowSum || !highSum) {
      keepAsWritten();
      continue;
    }
    total->amount.low = *lowSum;
    total->amount.high = *highSum;
    total->amount.decimal = total->amount.decimal || read->decimal;
  }
  QStringList parts;
  for (const Total& total : totals) parts.append(amountText(total.amount));
  parts.append(unread);
  return parts.join(u'＋');
}

std::optional<int> ServingsOf(const QString& ingredients) {
  static const QRegularExpression pattern(QStringLiteral("(\\d{1,2})\\s*(人分|人前)"));
  const QRegularExpressionMatch match = pattern.match(ingredients.normalized(QString::NormalizationForm_KC));
  if (!match.hasMatch() || match.captured(1).toInt() < 1) return std::nullopt;
  return match.captured(1).toInt();
}
