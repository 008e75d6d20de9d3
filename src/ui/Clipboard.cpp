#include "ui/Clipboard.h"

#include "core/ClipboardBlock.h"

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
    return data && data->hasFormat(ClipboardMimeType());
}

void CopyToClipboard(const TVocabFile& document)
{
    const std::string block = BuildClipboardBlock(document);
    auto* data = new QMimeData;
    data->setData(ClipboardMimeType(), QByteArray(block.data(), static_cast<qsizetype>(block.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

void PasteFromClipboard(TVocabFile& document)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(ClipboardMimeType()))
        throw EVocabFileError("No valid data on clipboard.");
    const QByteArray block = data->data(ClipboardMimeType());
    PasteClipboardBlock(
        document, std::string_view(block.constData(), static_cast<std::size_t>(block.size())));
}
