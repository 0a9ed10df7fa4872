// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/rules/recipe_print_layout.h"

#include <QRegularExpression>

#include "printing/rules/print_origin.h"

namespace {

// Lines printed one below the other from the page origin, each starting at x = 0, wrapped at the
// printable width and carried onto a new page at the bottom.
class LineFlow {
 public:
  LineFlow(PageDocument& document, int bindingMarginMm, TwipsSize area, const TextMeasure& measure)
      : document_(document), measure_(measure), origin_(PrintOrigin(bindingMarginMm)), y_(origin_.y()),
        width_(area.width - origin_.x()), bottom_(area.height) {}

  void setFont(const PrintFont& font) { font_ = font; }
  void setColour(PrintColour colour) { colour_ = colour; }
  int x() const { return origin_.x(); }
  int y() const { return origin_.y(); }

  // Prints text and ends the line; each line break in text starts another line.
  void print(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : text.split(lineBreak)) printLine(line);
  }

 private:
  void printLine(QString line) {
    do {
      const qsizetype fit = fittingLength(line);
      placeLine(line.left(fit));
      line.remove(0, fit);
    } while (!line.isEmpty());
  }

  void placeLine(const QString& text) {
    const int height = measure_.lineHeight(font_);
    if (y_ + height > bottom_ && y_ > origin_.y()) {
      document_.newPage();
      y_ = origin_.y();
    }
    if (!text.isEmpty()) document_.addText(origin_.x(), y_, text, font_, colour_);
    y_ += height;
  }

  // How much of line fits the printable width: all of it, else up to the last blank that fits,
  // else as many characters as fit (at least one, never half a surrogate pair).
  qsizetype fittingLength(const QString& line) const {
    if (measure_.width(line, font_) <= width_) return line.size();
    qsizetype low = 1, high = line.size() - 1;  // low always fits, or is the least we take
    while (low < high) {
      const qsizetype middle = (low + high + 1) / 2;
      if (measure_.width(line.left(middle), font_) <= width_)
        low = middle;
      else
        high = middle - 1;
    }
    if (low < line.size() && line[low].isLowSurrogate()) low += low > 1 ? -1 : 1;
    const qsizetype blank = line.lastIndexOf(u' ', low - 1);
    return blank > 0 && line[low] != u' ' ? blank + 1 : low;
  }

  PageDocument& document_;
  const TextMeasure& measure_;
  const QPoint origin_;
  int y_;
  const int width_;
  const int bottom_;
  PrintFont font_{QString(), 12};
  PrintColour colour_ = kPrintBlack;
};

struct LabelledValue {
  const char16_t* label;
  QString recipe_file::RecipeForm::*value;
  const char16_t* suffix;
};

const LabelledValue kLabelledValues[] = {
    {u"【料理名　】", &recipe_file::RecipeForm::DishName, u""},
    {u"【ジャンル】", &recipe_file::RecipeForm::Genre, u""},
    {u"【種類　　】", &recipe_file::RecipeForm::Kind, u""},
    {u"【調理方法】", &recipe_file::RecipeForm::CookingMethod, u""},
    {u"【一人分㌍】", &recipe_file::RecipeForm::Calories, u"Kcal"},
    {u"【塩分　　】", &recipe_file::RecipeForm::Salt, u"g"},
    {u"【調理時間】", &recipe_file::RecipeForm::CookingTime, u"分"},
    {u"【参考　　】", &recipe_file::RecipeForm::Reference, u""},
};

}  // namespace

PageDocument RecipeTextDocument(const recipe_file::RecipeForm& shown, const QString& pictureFile,
                                int bindingMarginMm, TwipsSize area, const TextMeasure& measure) {
  PageDocument document(QStringLiteral("レシピ印刷"));
  LineFlow flow(document, bindingMarginMm, area, measure);
  flow.print(QStringLiteral(" "));  // in the printer's own face, before any is chosen
  if (!pictureFile.isEmpty()) {
    TwipsRect rect = kRecipePictureRect;
    rect.x += flow.x();
    rect.y += flow.y();
    document.addPicture(rect, pictureFile);
  }

  flow.setColour(kPrintBlack);
  flow.setFont({kGothic, 12});
  flow.print(kRecipeRuleLine);
  flow.setColour(kPrintBlue);
  for (const LabelledValue& line : kLabelledValues)
    flow.print(QString::fromUtf16(line.label) + shown.*line.value + QString::fromUtf16(line.suffix));
  flow.setColour(kPrintBlack);
  flow.print(kRecipeRuleLine);

  flow.setColour(kPrintGreen);
  flow.print(QStringLiteral("【材料】"));
  flow.setColour(kPrintBlack);
  flow.print(shown.Ingredients);
  flow.print(QString());

  flow.setFont({kPGothic, 12});
  flow.setColour(kPrintCyan);
  flow.print(QStringLiteral("【作り方】"));
  flow.setColour(kPrintBlack);
  flow.print(shown.Steps);
  flow.print(QString());

  flow.setColour(kPrintMagenta);
  flow.print(QStringLiteral("【メモ】"));
  flow.setColour(kPrintBlack);
  flow.print(shown.Memo);
  return document;
}
