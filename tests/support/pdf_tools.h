// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading back the PDFs the program writes, through the poppler tools (poppler-utils).
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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

// The text of the PDF, page after page, as a reader's search or copy finds it.
inline QString PdfTextOf(const QString& path, int page = 0) {
  QStringList arguments{path, QStringLiteral("-")};
  if (page > 0) arguments = QStringList{QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                        QString::number(page)} + arguments;
  return PopplerOutput(QStringLiteral("pdftotext"), arguments);
}

// How many pictures the PDF holds once each, however often its pages draw them (distinct
// objects in "pdfimages -list").
inline int PdfImageObjectCount(const QString& path) {
  QStringList objects;
  const QStringList lines = PopplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).split(u'\n');
  for (qsizetype i = 2; i < lines.size(); ++i) {
    const QStringList columns = lines[i].simplified().split(u' ');
    if (columns.size() > 11 && !objects.contains(columns[10])) objects.append(columns[10]);
  }
  return int(objects.size());
}

// The width in pixels of each picture the PDF draws ("pdfimages -list").
inline QList<int> PdfImageWidths(const QString& path) {
  QList<int> widths;
  const QStringList lines = PopplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).split(u'\n');
  for (qsizetype i = 2; i < lines.size(); ++i) {
    const QStringList columns = lines[i].simplified().split(u' ');
    if (columns.size() > 4) widths.append(columns[3].toInt());
  }
  return widths;
}

// The smallest rectangle holding every mark on the page, in points from the paper's top-left
// corner (the page drawn by pdftoppm at 72 dots to the inch, one dot to the point).
inline QRect PdfInkBounds(const QString& path, int page = 1) {
  QTemporaryDir dir;
  const QString stem = dir.filePath(QStringLiteral("page"));
  PopplerOutput(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"),
                                             QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-f"),
                                             QString::number(page), QStringLiteral("-l"), QString::number(page), path, stem});
  const QImage image(stem + QStringLiteral(".png"));
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 250) ink |= QRect(x, y, 1, 1);
  return ink;
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
    if (line.mid(start + 1, end - start - 1) != word) continue;
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
