#pragma once
// The printer side of printing: the program's one printer object, and the layout drawn with a
// QPainter on a QPrinter.

#include "printing/PrintLayout.h"

#include <QString>

class QPrinter;
class QWidget;

// The printer chosen and its copy count stay with this object until the program ends.
QPrinter& ThePrinter();
// Whether the platform knows any printer.
bool PrinterInstalled();
// Raises "No printer installed." when there is none.
void CheckPrinter();
// The layout's settings as they stand now (print options, page setup, print font).
TPrintRequest CurrentPrintRequest(const TSettings& settings);

// Prints the document on the printer as one job titled after its file: all copies, laid out
// again when the driver cannot make them. Checks the margins before a job is begun. The pages
// are laid out before the job begins; a long job shows a progress box under parent whose Cancel
// works while they are laid out and leaves no job. The result is false when it was cancelled.
bool PrintDocument(QPrinter& printer, const TVocabFile& document, TPrintRequest request, QWidget* parent);

// How long a job runs before its progress box appears, in milliseconds.
extern int PrintProgressDelayMs;

// The same into a PDF file, written beside it first and put in place only when complete.
bool PrintDocumentToPdf(QPrinter& printer, const QString& fileName, const TVocabFile& document,
    const TPrintRequest& request, QWidget* parent);
