// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the program prints. A window builds a PageDocument (platform/rules/page_document.h)
// and hands it to PrintDocument, which sends it to the machine's default printer. A machine with
// no printer gets a PDF file in the data folder instead, and the user is told its name. A printer
// that fails, or a PDF that cannot be written, is reported in a message: printing never silently
// does nothing.
//
//   // a window's "印刷" button: its image as shown, on one page
//   PrintDocument(GrabWindowDocument(*this, windowTitle()), module_.Folder, dialogs_);
#include <functional>

#include "platform/rules/data_folder.h"
#include "platform/windows/dialogs.h"
#include "platform/rules/page_document.h"

class QPrinter;
class QWidget;

// Told before each page is drawn (pages drawn so far, pages in all), so that a long job can show
// how far it is; returning false stops the job: a printer's job is aborted, a PDF is not written.
using PrintProgress = std::function<bool(int pagesDone, int pageCount)>;

// Prints on the default printer, or writes "<title>001.pdf" (the first unused number) into the
// folder when there is none. True when the pages went out; every outcome but a quiet success on a
// printer is told through dialogs.
bool PrintDocument(const PageDocument& document, const DataFolder& folder, Dialogs& dialogs);
// The same with progress; a job stopped by progress returns false and is not reported.
bool PrintDocument(const PageDocument& document, const DataFolder& folder, Dialogs& dialogs,
                   const PrintProgress& progress);

// The size of the area the default printer prints on (A4 portrait at the smallest margins it
// allows), or, with no printer, that of the PDF's pages (A4 with 5 mm margins). Layouts that wrap
// lines or break pages lay out for it; whatever still reaches past it is printed smaller.
TwipsSize DefaultPrintableArea();

// The one-page document of the window's image as it is on screen now, at 15 twips to a pixel,
// printed smaller when larger than the printable area.
PageDocument GrabWindowDocument(QWidget& window, const QString& title);

// The two halves of PrintDocument, for a caller that already knows where the pages go.
// Draws the document on the printer (set to A4 portrait at its smallest margins); a failure is
// reported.
bool PrintOnPrinter(const PageDocument& document, QPrinter& printer, Dialogs& dialogs,
                    const PrintProgress& progress = {});
// Writes the document as a PDF at path, all or nothing (an existing file is replaced only by a
// complete new one). False, with no message, when it cannot be written.
bool WritePdf(const PageDocument& document, const QString& path, const PrintProgress& progress = {});
