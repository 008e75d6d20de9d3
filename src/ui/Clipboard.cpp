#include "ui/Clipboard.h"

#include "core/ClipboardBlock.h"
#include "exchange/ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

QString ClipboardMimeType()
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"")
        .arg(QString::fromLatin1(ClipboardFormatName));
}

bool CanPaste()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && (data->hasFormat(ClipboardMimeType()) || data->hasText());
}

void CopyToClipboard(const TVocabFile& document)
{
    const std::string block = BuildClipboardBlock(document);
    const std::string text = BuildClipboardText(document);
    auto* data = new QMimeData;
    data->setData(ClipboardMimeType(), QByteArray(block.data(), static_cast<qsizetype>(block.size())));
    data->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<TPasteResult> PasteFromClipboard(TVocabFile& document)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasFormat(ClipboardMimeType())) {
        const QByteArray block = data->data(ClipboardMimeType());
        PasteClipboardBlock(
            document, std::string_view(block.constData(), static_cast<std::size_t>(block.size())));
        return std::nullopt;
    }
    if (!data || !data->hasText())
        throw EVocabFileError(
            QCoreApplication::translate("Clipboard", "No valid data on clipboard.").toStdString());
    const QByteArray text = data->text().toUtf8();
    return PasteClipboardText(
        document, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}
