// One side of the clipboard between two running processes.
//   clipboard-peer copy        puts an item on the clipboard, prints "ready" and serves it until killed
//                              (it gives up by itself after a minute).
//   clipboard-peer paste       pastes into a list of its own and checks the item; exit status 0 when right.
//   clipboard-peer paste-text  pastes the text another program put there ("Haus<TAB>house" and
//                              "σκύλος<TAB>dog" on two lines) and checks the two items.

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

bool WaitForClipboard()
{
    const QDeadlineTimer deadline(10'000);
    while (!CanPaste() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (CanPaste())
        return true;
    std::fprintf(stderr, "nothing to paste on the clipboard\n");
    return false;
}

int Paste()
{
    TVocabFile document;
    document.SetForeignLangID(German);
    document.SetNativeLangID(EnglishUK); // another sublanguage of the same language
    AppendItem(document, "das Haus");
    AppendItem(document, "der Baum");
    document.SetCurrentIndex(1);
    if (!WaitForClipboard())
        return 1;
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

int PasteText()
{
    TVocabFile document;
    document.SetForeignLangID(German);
    document.SetNativeLangID(English);
    AppendItem(document, "das Ende");
    document.SetCurrentIndex(0);
    if (!WaitForClipboard())
        return 1;
    const std::int32_t lost = PasteFromClipboard(document);
    for (std::int32_t i = 0; i < document.Count(); ++i) {
        const TVocabItem& item = document.Items(i);
        std::printf("item %d: %s | %s\n", i, std::string(item.FieldValue(fiForeign)).c_str(),
            std::string(item.FieldValue(fiNative)).c_str());
    }
    std::printf("fields that lost characters: %d\n", lost);
    // The Greek word has no place in the German list's code page.
    return document.Count() == 3 && document.Items(0).FieldValue(fiForeign) == "Haus"
            && document.Items(0).FieldValue(fiNative) == "house"
            && document.Items(1).FieldValue(fiForeign) == "??????"
            && document.Items(1).FieldValue(fiNative) == "dog" && lost == 1 && document.UndoKind() == ukPaste
        ? 0
        : 1;
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
        if (argc == 2 && std::strcmp(argv[1], "paste-text") == 0)
            return PasteText();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "usage: clipboard-peer copy|paste|paste-text\n");
    return 2;
}
