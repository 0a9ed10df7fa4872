#pragma once
// Reading back the PDFs the program writes, through the poppler tools (poppler-utils).
#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>

// What the tool prints about the file; fails the test when the tool is missing or fails.
inline QString PopplerOutput(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) {
    ADD_FAILURE() << tool.toStdString() << " failed (poppler-utils installed?): "
                  << process.readAllStandardError().toStdString();
    return {};
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

inline int PdfPageCount(const QString& path) {
  for (const QString& line : PopplerOutput(QStringLiteral("pdfinfo"), {path}).split(u'\n'))
    if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
  return -1;
}

// The text of the PDF, page after page; NFKC undoes the font's mapping of some kanji to look-alike
// radicals (肉 as ⾁).
inline QString PdfTextOf(const QString& path, int page = 0) {
  QStringList arguments{path, QStringLiteral("-")};
  if (page > 0) arguments = QStringList{QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                        QString::number(page)} + arguments;
  return PopplerOutput(QStringLiteral("pdftotext"), arguments).normalized(QString::NormalizationForm_KC);
}

// How many pictures the PDF holds ("pdfimages -list" rows).
inline int PdfImageCount(const QString& path) {
  const QStringList lines = PopplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                .split(u'\n', Qt::SkipEmptyParts);
  return std::max(0, int(lines.size()) - 2);  // two heading lines
}

// The left edge, in points from the page's left edge, of the first word on the first page that
// equals word; -1 when there is none.
inline double PdfWordLeft(const QString& path, const QString& word) {
  const QString html = PopplerOutput(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                      QStringLiteral("-l"), QStringLiteral("1"), path, QStringLiteral("-")});
  for (const QString& line : html.split(u'\n')) {
    const qsizetype start = line.indexOf(u'>');
    const qsizetype end = line.indexOf(QStringLiteral("</word>"));
    if (!line.contains(QStringLiteral("<word")) || start < 0 || end < 0) continue;
    if (line.mid(start + 1, end - start - 1).normalized(QString::NormalizationForm_KC) != word) continue;
    const qsizetype x = line.indexOf(QStringLiteral("xMin=\""));
    return line.mid(x + 6, line.indexOf(u'"', x + 6) - x - 6).toDouble();
  }
  return -1;
}

// The right edge, in points, of the rightmost word on the first page.
inline double PdfRightmostWordEdge(const QString& path) {
  const QString html = PopplerOutput(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                      QStringLiteral("-l"), QStringLiteral("1"), path, QStringLiteral("-")});
  double right = -1;
  for (const QString& line : html.split(u'\n')) {
    const qsizetype x = line.indexOf(QStringLiteral("xMax=\""));
    if (!line.contains(QStringLiteral("<word")) || x < 0) continue;
    right = std::max(right, line.mid(x + 6, line.indexOf(u'"', x + 6) - x - 6).toDouble());
  }
  return right;
}
