#include "qtsupport/QtPrinter.h"

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
#include <QPushButton>
#include <QTemporaryFile>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

namespace {

QString ToQ(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Lays the pages out with the printer's font metrics and keeps what is to be drawn, so a job
// cancelled while it is laid out never reaches the printer (Qt cannot abort a job once begun).
class TLaidOutPages : public IPrintCanvas {
public:
    explicit TLaidOutPages(QPrinter& printer)
        : Printer_(printer)
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
        Metrics_.emplace(font, &Printer_);
        qsizetype index = Fonts_.indexOf(font);
        if (index < 0) {
            Fonts_.append(font);
            index = Fonts_.size() - 1;
        }
        Ops_.push_back({ opFont, static_cast<int>(index), 0, 0, 0, {} });
    }
    int TextWidth(std::u16string_view text) override { return Metrics_->horizontalAdvance(ToQ(text)); }
    int TextHeight(std::u16string_view) override { return Metrics_->height(); }
    void DrawText(int x, int y, std::u16string_view text) override
    {
        Ops_.push_back({ opText, x, y + Metrics_->ascent(), 0, 0, ToQ(text) });
    }
    void FillRect(int left, int top, int right, int bottom) override
    {
        Ops_.push_back({ opRect, left, top, right - left, bottom - top, {} });
    }
    void NewPage() override { Ops_.push_back({ opPage, 0, 0, 0, 0, {} }); }

    // Draws the pages on the printer; step is told the share done now and then.
    void Replay(QPainter& painter, const std::function<void(double)>& step) const
    {
        for (std::size_t i = 0; i < Ops_.size(); ++i) {
            const TOp& op = Ops_[i];
            switch (op.Kind) {
            case opFont:
                painter.setFont(Fonts_[op.A]);
                break;
            case opText:
                painter.drawText(op.A, op.B, op.Text);
                break;
            case opRect:
                painter.fillRect(QRect(op.A, op.B, op.C, op.D), Qt::black);
                break;
            case opPage:
                if (!Printer_.newPage())
                    throw std::runtime_error(
                        QCoreApplication::translate("TQtPrinter", "The printer could not start a new page.")
                            .toStdString());
                break;
            }
            if (i % 4096 == 0)
                step(static_cast<double>(i) / static_cast<double>(Ops_.size()));
        }
    }

private:
    enum TOpKind : std::uint8_t { opFont, opText, opRect, opPage };
    struct TOp {
        TOpKind Kind;
        int A, B, C, D;
        QString Text;
    };

    QPrinter& Printer_;
    std::optional<QFontMetrics> Metrics_;
    std::string Face_;
    int Size_ = 0;
    TFontStyle Style_ = fsRegular;
    QList<QFont> Fonts_;
    std::vector<TOp> Ops_;
};

class TProgressBox : public IPrintProgress {
    Q_DECLARE_TR_FUNCTIONS(TProgressBox)

public:
    TProgressBox(QWidget* parent, int delayMs)
        : Parent_(parent)
        , DelayMs_(delayMs)
    {
        Elapsed_.start();
    }

    bool Step(double share) override
    {
        if (!Box_ && Elapsed_.elapsed() >= DelayMs_) {
            Box_ = std::make_unique<QProgressDialog>(tr("Printing..."), tr("Cancel"), 0, 1000, Parent_);
            Box_->setObjectName(QStringLiteral("PrintProgress"));
            Box_->setWindowModality(Qt::WindowModal);
            Box_->setMinimumDuration(0);
            Box_->setAutoReset(false);
            Box_->setAutoClose(false);
            Box_->setEnabled(true); // a window stays usable while its disabled owner prints
            Box_->setCancelButton(Cancellable_ ? new QPushButton(tr("Cancel")) : nullptr);
            Box_->show();
        }
        if (!Box_) {
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            return true;
        }
        Box_->setValue(static_cast<int>(share * 1000));
        QApplication::processEvents();
        return !Box_->wasCanceled();
    }

    void EndCancelling() override
    {
        Cancellable_ = false;
        if (Box_)
            Box_->setCancelButton(nullptr);
    }

private:
    QWidget* Parent_;
    int DelayMs_;
    bool Cancellable_ = true;
    QElapsedTimer Elapsed_;
    std::unique_ptr<QProgressDialog> Box_;
};

} // namespace

std::unique_ptr<IPrintProgress> MakePrintProgress(QWidget* parent, int delayMs)
{
    return std::make_unique<TProgressBox>(parent, delayMs);
}

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

TPrintRequest CurrentPrintRequest(const TSettings& settings)
{
    TPrintRequest request;
    request.Options = settings.PrintOptions;
    request.Setup = settings.PageSetup;
    request.Font = settings.PrintFont;
    return request;
}

bool PrintDocument(
    QPrinter& printer, const TVocabFile& document, TPrintRequest request, IPrintProgress& progress)
{
    printer.setDocName(QFile::decodeName(QByteArray::fromStdString(PrintJobTitle(document.FileName()))));
    request.Passes = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    const QRect area = printer.pageRect(QPrinter::DevicePixel).toRect();
    const TPrintDevice device { area.width(), area.height(), printer.logicalDpiX(), printer.logicalDpiY() };
    // Refused before the job begins, so no empty job reaches the printer.
    (void)PageGeometry(device, request.Setup.Margins);

    // Laid out first, with half of the progress: cancelling then leaves no job at all.
    TLaidOutPages pages(printer);
    const TPrintOutcome outcome = PrintVocabulary(
        document, request, device, pages, [&progress](std::int64_t done, std::int64_t total) {
            return progress.Step(
                total > 0 ? 0.5 * static_cast<double>(done) / static_cast<double>(total) : 0);
        });
    if (outcome.Cancelled)
        return false;
    progress.EndCancelling();

    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(
            QCoreApplication::translate("TQtPrinter", "The printer could not start the job.").toStdString());
    try {
        pages.Replay(painter, [&progress](double share) { (void)progress.Step(0.5 + 0.5 * share); });
    } catch (...) {
        printer.abort();
        painter.end();
        throw;
    }
    painter.end();
    return true;
}

bool PrintDocumentToPdf(QPrinter& printer, const QString& fileName, const TVocabFile& document,
    const TPrintRequest& request, IPrintProgress& progress)
{
    // The printer writes its own file; it goes to a temporary one that is saved like every
    // other file of the program only when the job was complete.
    QTemporaryFile pages;
    if (!pages.open())
        throw EFileError(pages.fileTemplate().toStdString(), pages.errorString().toStdString());
    pages.close();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pages.fileName());
    if (!PrintDocument(printer, document, request, progress))
        return false;
    const std::string name = QFile::encodeName(fileName).toStdString();
    SafeWriteFile(name, ReadWholeFile(QFile::encodeName(pages.fileName()).toStdString()));
    return true;
}
