#pragma once
// The printer side of printing: the program's one printer object, and the layout drawn with a
// QPainter on a QPrinter.

#include "printing/PrintLayout.h"

#include <QString>
#include <memory>

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

// What a job tells of its progress, and where the user may cancel it.
class IPrintProgress {
public:
    virtual ~IPrintProgress() = default;
    // share runs from 0 to 1; false when the user cancelled.
    virtual bool Step(double share) = 0;
    // Once the pages go to the printer the job can no longer be taken back.
    virtual void EndCancelling() = 0;
};

// The progress box of a job under parent: it appears only once the job has taken delayMs, and
// until then only paint events are handled, so nothing the user does reaches the list printed.
std::unique_ptr<IPrintProgress> MakePrintProgress(QWidget* parent, int delayMs = 400);

// Prints the document on the printer as one job titled after its file: all copies, laid out
// again when the driver cannot make them. Checks the margins before a job is begun. The pages
// are laid out before the job begins, with half of the progress: cancelling then leaves no job.
// The result is false when it was cancelled.
bool PrintDocument(
    QPrinter& printer, const TVocabFile& document, TPrintRequest request, IPrintProgress& progress);

// The same into a PDF file, written beside it first and put in place only when complete.
bool PrintDocumentToPdf(QPrinter& printer, const QString& fileName, const TVocabFile& document,
    const TPrintRequest& request, IPrintProgress& progress);
