// One side of the clipboard between two running processes.
//   clipboard-peer copy        puts an item on the clipboard, prints "ready" and serves it until killed
//                              (it gives up by itself after a minute).
//   clipboard-peer paste       pastes into a list of its own and checks the item; exit status 0 when right.
//   clipboard-peer paste-text  pastes the text another program put there ("Haus<TAB>house" and
//                              "σκύλος<TAB>dog" on two lines) and checks the two items.

#include "ui/Clipboard.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace {
constexpr LangId German = 0x0407, English = 0x0409, EnglishUK = 0x0809;
const TFieldValues Fields = { "die Stra\xDF\x65", "f.", "pl. Stra\xDF\x65n", "street; road" };
constexpr std::int32_t SortingPosition = 4;

// A German list with one item per word, the last one current.
void Fill(TVocabFile& document, LangId native, std::initializer_list<const char*> words)
{
    document.SetForeignLangID(German);
    document.SetNativeLangID(native);
    for (const char* word : words) {
        auto item = std::make_unique<TVocabItem>();
        item->SetFieldValue(fiForeign, word);
        document.AppendItem(std::move(item));
    }
    document.SetCurrentIndex(document.Count() - 1);
}

int Copy()
{
    TVocabFile document;
    Fill(document, English, {});
    auto item = std::make_unique<TVocabItem>();
    item->SetFieldValues(Fields);
    item->SortingPosition = SortingPosition;
    item->PenaltyPoints = -1; // learnt: the copy must arrive unlearnt
    document.AppendItem(std::move(item));
    document.SetCurrentIndex(0);
    CopyToClipboard(document);
    std::printf("ready\n");
    std::fflush(stdout);
    QTimer::singleShot(60'000, qApp, &QCoreApplication::quit);
    return QApplication::exec();
}

// Pastes once the clipboard holds something; the items afterwards, printed and checked.
bool Paste(TVocabFile& document, const std::vector<TFieldValues>& expected, std::int32_t lost)
{
    const QDeadlineTimer deadline(10'000);
    while (!CanPaste() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!CanPaste()) {
        std::fprintf(stderr, "nothing to paste on the clipboard\n");
        return false;
    }
    const auto pasted = PasteFromClipboard(document);
    const std::int32_t lostFields = pasted ? pasted->LostFields : 0;
    std::printf("fields that lost characters: %d\n", lostFields);
    bool right = document.Count() == std::int32_t(expected.size()) && lostFields == lost;
    for (std::int32_t i = 0; i < document.Count(); ++i) {
        const TVocabItem& item = document.Items(i);
        std::printf("item %d: %s | %s | %s | %s, sorting position %d, penalty points %d\n", i,
            item.FieldValues()[0].c_str(), item.FieldValues()[1].c_str(), item.FieldValues()[2].c_str(),
            item.FieldValues()[3].c_str(), item.SortingPosition, item.PenaltyPoints);
        right = right && i < std::int32_t(expected.size()) && item.FieldValues() == expected[std::size_t(i)]
            && item.PenaltyPoints == 0;
    }
    return right && document.UndoKind() == ukPaste;
}
} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const std::string mode = argc == 2 ? argv[1] : "";
    try {
        TVocabFile document;
        if (mode == "copy")
            return Copy();
        if (mode == "paste") {
            Fill(document, EnglishUK, { "das Haus", "der Baum" }); // another sublanguage of the same language
            const bool right = Paste(document, { { "das Haus" }, Fields, { "der Baum" } }, 0);
            return right && document.CurrentIndex() == 2
                    && document.Items(1).SortingPosition == SortingPosition
                ? 0
                : 1;
        }
        if (mode == "paste-text") {
            // The Greek word has no place in the German list's code page.
            Fill(document, English, { "das Ende" });
            const TFieldValues haus { "Haus", "", "", "house" }, dog { "??????", "", "", "dog" };
            return Paste(document, { haus, dog, { "das Ende" } }, 1) ? 0 : 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "usage: clipboard-peer copy|paste|paste-text\n");
    return 2;
}
