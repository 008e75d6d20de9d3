#include "printing/QtPrinter.h"

#include "core/Errors.h"
#include "core/SafeSave.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QTemporaryFile>
#include <memory>
#include <optional>
#include <stdexcept>

namespace {

QString ToQ(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

class TQtPrintCanvas : public IPrintCanvas {
public:
    TQtPrintCanvas(QPainter& painter, QPrinter& printer)
        : Painter_(painter)
        , Printer_(printer)
    {
    }

    void SetFont(const std::string& face, int pointSize, TFontStyle style) override
    {
        if (Metrics_ && face == Face_ && pointSize == Size_ && style == Style_)
            return;
        Face_ = face;
        Size_ = pointSize;
        Style_ = style;
        QFont font(QString::fromStdString(face));
        font.setPointSize(pointSize > 0 ? pointSize : 10);
        font.setBold(style == fsBold);
        font.setItalic(style == fsItalic);
        Painter_.setFont(font);
        Metrics_.emplace(Painter_.fontMetrics());
    }
    int TextWidth(std::u16string_view text) override { return Metrics_->horizontalAdvance(ToQ(text)); }
    int TextHeight(std::u16string_view) override { return Metrics_->height(); }
    void DrawText(int x, int y, std::u16string_view text) override
    {
        Painter_.drawText(x, y + Metrics_->ascent(), ToQ(text));
    }
    void FillRect(int left, int top, int right, int bottom) override
    {
        Painter_.fillRect(QRect(left, top, right - left, bottom - top), Qt::black);
    }
    void NewPage() override
    {
        if (!Printer_.newPage())
            throw std::runtime_error("The printer could not start a new page.");
    }

private:
    QPainter& Painter_;
    QPrinter& Printer_;
    std::optional<QFontMetrics> Metrics_;
    std::string Face_;
    int Size_ = 0;
    TFontStyle Style_ = fsRegular;
};

// The progress box of a long job: it appears only when the job has taken a moment, and until
// then only paint events are handled, so nothing the user does reaches the list being printed.
class TProgressBox {
public:
    explicit TProgressBox(QWidget* parent)
        : Parent_(parent)
    {
        Elapsed_.start();
    }

    bool Step(std::int64_t done, std::int64_t total)
    {
        if (!Box_ && Elapsed_.elapsed() >= PrintProgressDelayMs) {
            Box_ = std::make_unique<QProgressDialog>(
                QStringLiteral("Printing..."), QStringLiteral("Cancel"), 0, 1000, Parent_);
            Box_->setObjectName(QStringLiteral("PrintProgress"));
            Box_->setWindowModality(Qt::WindowModal);
            Box_->setMinimumDuration(0);
            Box_->setAutoReset(false);
            Box_->setEnabled(true); // a window stays usable while its disabled owner prints
            Box_->show();
        }
        if (!Box_) {
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return true;
        }
        Box_->setValue(total > 0 ? static_cast<int>(done * 1000 / total) : 0);
        QApplication::processEvents();
        return !Box_->wasCanceled();
    }

private:
    QWidget* Parent_;
    QElapsedTimer Elapsed_;
    std::unique_ptr<QProgressDialog> Box_;
};

} // namespace

int PrintProgressDelayMs = 400;

QPrinter& ThePrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool PrinterInstalled()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void CheckPrinter()
{
    if (!PrinterInstalled())
        throw std::runtime_error(NoPrinterInstalled);
}

TPrintRequest CurrentPrintRequest()
{
    TPrintRequest request;
    request.Options = PrintOptions;
    request.Setup = PageSetup;
    request.Font = PrintFont;
    return request;
}

bool PrintDocument(QPrinter& printer, const TVocabFile& document, TPrintRequest request, QWidget* parent)
{
    printer.setDocName(QFile::decodeName(QByteArray::fromStdString(PrintJobTitle(document.FileName()))));
    request.Passes = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    const QRect area = printer.pageRect(QPrinter::DevicePixel).toRect();
    const TPrintDevice device { area.width(), area.height(), printer.logicalDpiX(), printer.logicalDpiY() };
    // Refused before the job begins, so no empty job reaches the printer.
    (void)PageGeometry(device, request.Setup.Margins);

    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("The printer could not start the job.");
    TQtPrintCanvas canvas(painter, printer);
    TProgressBox progress(parent);
    bool cancelled = false;
    try {
        cancelled = PrintVocabulary(
            document, request, device, canvas, [&progress](std::int64_t done, std::int64_t total) {
                return progress.Step(done, total);
            }).Cancelled;
    } catch (...) {
        printer.abort();
        painter.end();
        throw;
    }
    if (cancelled)
        printer.abort();
    painter.end();
    return !cancelled;
}

bool PrintDocumentToPdf(QPrinter& printer, const QString& fileName, const TVocabFile& document,
    const TPrintRequest& request, QWidget* parent)
{
    // The printer writes its own file; it goes to a temporary one that is saved like every
    // other file of the program only when the job was complete.
    QTemporaryFile pages;
    if (!pages.open())
        throw EFileError(pages.fileTemplate().toStdString(), pages.errorString().toStdString());
    pages.close();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pages.fileName());
    if (!PrintDocument(printer, document, request, parent))
        return false;
    const std::string name = QFile::encodeName(fileName).toStdString();
    SafeWriteFile(name, ReadWholeFile(QFile::encodeName(pages.fileName()).toStdString()));
    return true;
}
