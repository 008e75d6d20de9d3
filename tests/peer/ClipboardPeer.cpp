// One side of the clipboard between two running processes.
//   clipboard-peer copy   puts an item on the clipboard, prints "ready" and serves it until killed
//                         (it gives up by itself after a minute).
//   clipboard-peer paste  pastes into a list of its own and checks the item; exit status 0 when right.

#include "ui/Clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {
constexpr LangId German = 0x0407, English = 0x0409, EnglishUK = 0x0809;
const char* const Fields[] = { "die Stra\xDF"
                               "e",
    "f.",
    "pl. Stra\xDF"
    "en",
    "street; road" };
constexpr std::int32_t SortingPosition = 4;

TVocabItem* AppendItem(TVocabFile& document, const char* word)
{
    auto item = std::make_unique<TVocabItem>();
    item->SetFieldValue(fiForeign, word);
    TVocabItem* added = item.get();
    document.AppendItem(std::move(item));
    return added;
}

int Copy()
{
    TVocabFile document;
    document.SetForeignLangID(German);
    document.SetNativeLangID(English);
    TVocabItem* item = AppendItem(document, "");
    item->SetFieldValues(Fields[0], Fields[1], Fields[2], Fields[3]);
    item->SortingPosition = SortingPosition;
    item->PenaltyPoints = -1; // learnt: the copy must arrive unlearnt
    document.SetCurrentIndex(0);
    CopyToClipboard(document);
    std::printf("ready\n");
    std::fflush(stdout);
    QTimer::singleShot(60'000, qApp, &QCoreApplication::quit);
    return QApplication::exec();
}

int Paste()
{
    TVocabFile document;
    document.SetForeignLangID(German);
    document.SetNativeLangID(EnglishUK); // another sublanguage of the same language
    AppendItem(document, "das Haus");
    AppendItem(document, "der Baum");
    document.SetCurrentIndex(1);
    const QDeadlineTimer deadline(10'000);
    while (!CanPaste() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!CanPaste()) {
        std::fprintf(stderr, "no item on the clipboard\n");
        return 1;
    }
    PasteFromClipboard(document);
    const TVocabItem& pasted = document.Items(1);
    bool right = document.Count() == 3 && document.CurrentIndex() == 2
        && pasted.SortingPosition == SortingPosition && pasted.PenaltyPoints == 0;
    for (int f = 0; f < FieldCount; ++f) {
        std::printf("field %d: %s\n", f, std::string(pasted.FieldValue(f)).c_str());
        right = right && pasted.FieldValue(f) == Fields[f];
    }
    std::printf("sorting position %d, penalty points %d\n", pasted.SortingPosition, pasted.PenaltyPoints);
    return right ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    try {
        if (argc == 2 && std::strcmp(argv[1], "copy") == 0)
            return Copy();
        if (argc == 2 && std::strcmp(argv[1], "paste") == 0)
            return Paste();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "usage: clipboard-peer copy|paste\n");
    return 2;
}
