#include "printing/PrintLayout.h"

#include "core/DisplayText.h"
#include "evaluation/TextUtils.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace {

constexpr std::int64_t TwipsPerInch = 1440;
constexpr std::int64_t ProgressStep = 512;

int Scale(std::int32_t twips, int dpi)
{
    return static_cast<int>(static_cast<std::int64_t>(twips) * dpi / TwipsPerInch);
}

bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

class TLayout {
public:
    TLayout(const TVocabFile& document, const TPrintRequest& request, const TPrintDevice& device,
        IPrintCanvas& canvas)
        : Document_(document)
        , Request_(request)
        , Canvas_(canvas)
        , Page_(PageGeometry(device, request.Setup.Margins))
        , Columns_(request.Setup.Columns >= 1 && request.Setup.Columns <= 3 ? request.Setup.Columns : 1)
        , DpiX_(device.DpiX)
    {
    }

    TPrintOutcome Run(const TPrintProgress& progress)
    {
        TPrintOutcome outcome;
        outcome.Pages = 1;
        Size_ = Request_.Font.Size;
        SetStyle(fsRegular);
        Indent_ = Canvas_.TextWidth(u"  ");
        Gap_ = 2 * Indent_;
        const int passes = Request_.Passes < 1 ? 1 : Request_.Passes;
        const std::int64_t total = static_cast<std::int64_t>(Document_.Count()) * passes;
        std::int64_t done = 0;
        for (int pass = 0; pass < passes; ++pass) {
            if (pass > 0) {
                NewPage();
            }
            if (!PrintCopy(progress, done, total)) {
                outcome.Cancelled = true;
                break;
            }
        }
        outcome.Pages = PagesBegun_;
        return outcome;
    }

private:
    void SetStyle(TFontStyle style) { Canvas_.SetFont(Request_.Font.Name, Size_, style); }

    int LineHeight() { return Canvas_.TextHeight(u" "); }

    void NewPage()
    {
        Canvas_.NewPage();
        ++PagesBegun_;
    }

    int ColumnOrigin(int column) const
    {
        const std::int64_t width = static_cast<std::int64_t>(Page_.Right) - Page_.Left + Gap_;
        return static_cast<int>(width * (column - 1) / Columns_ + Page_.Left);
    }

    std::u16string Heading() const
    {
        const std::string description = Trim(Document_.Properties(piDescription));
        if (!description.empty())
            return AnsiToWide(description, LanguageCodePage(Document_.NativeLangID()));
        if (Document_.FileName().empty())
            return {};
        // The file system's names are UTF-8 here.
        return AnsiToWide(std::filesystem::path(Document_.FileName()).stem().string(), CP_UTF8);
    }

    bool PrintCopy(const TPrintProgress& progress, std::int64_t& done, std::int64_t total)
    {
        PageNumber_ = 1;
        const int foreignCodePage = LanguageCodePage(Document_.ForeignLangID());
        const int nativeCodePage = LanguageCodePage(Document_.NativeLangID());
        PenX_ = Page_.Left;
        PenY_ = Page_.Top;
        const std::u16string heading = Heading();
        if (!heading.empty() && Request_.Options.Title) {
            Size_ = Request_.Font.Size + 2;
            LineStart_ = Page_.Left;
            LineEnd_ = Page_.Right;
            const auto titleAdvance = [this] {
                PenX_ = Page_.Left;
                PenY_ += LineHeight();
            };
            PrintText(heading, fsBold, titleAdvance);
            for (int i = 0; i < 3; ++i)
                titleAdvance();
        }
        ColumnTop_ = PenY_;
        Column_ = 0;
        AdvanceColumn();
        Size_ = Request_.Font.Size;

        const std::uint8_t include = Request_.Options.Include;
        const std::int32_t count = Document_.Count();
        std::vector<TPiece> pieces;
        for (std::int32_t i = 0; i < count; ++i) {
            if (progress && done % ProgressStep == 0 && !progress(done, total))
                return false;
            ++done;
            const TVocabItem& item = Document_.Items(i);
            pieces.clear();
            pieces.push_back({ AnsiToWide(item.FieldValue(fiForeign), foreignCodePage) + u" ", fsBold });
            for (const int field : { fiCategory, fiNotes }) {
                if ((include & (1u << field)) && !item.FieldValue(field).empty())
                    pieces.push_back({ AnsiToWide(item.FieldValue(field), nativeCodePage) + u" ", fsItalic });
            }
            if (include & (1u << fiNative))
                pieces.push_back({ AnsiToWide(item.FieldValue(fiNative), nativeCodePage), fsRegular });
            PrintItem(pieces);
            if (i + 1 < count)
                ColumnLineAdvance();
        }
        if (PageNumber_ > 1)
            PrintPageNumber();
        return true;
    }

    struct TPiece {
        std::u16string Text;
        TFontStyle Style;
    };

    // One item from the column origin at the pen's line. An item that would run past the bottom
    // of the column goes whole to the next column when it fits there, so that no continuation
    // line starts a column on its own; only an item longer than a column is split.
    void PrintItem(const std::vector<TPiece>& pieces)
    {
        PenX_ = ColumnOrigin_;
        if (PrintOnOneLine(pieces))
            return;
        if (PenY_ > ColumnTop_ && !FitsBelow(PenY_, CountLines(pieces, ColumnOrigin_, LineEnd_))) {
            const bool newPage = Column_ + 1 > Columns_;
            const int next = newPage ? 1 : Column_ + 1;
            const int top = newPage ? Page_.Top : ColumnTop_;
            if (FitsBelow(top, CountLines(pieces, ColumnOrigin(next), ColumnOrigin(next + 1) - Gap_))) {
                AdvanceColumn();
                PenY_ = ColumnTop_;
                PenX_ = ColumnOrigin_;
            }
        }
        const auto columnAdvance = [this] { ColumnLineAdvance(); };
        for (const TPiece& piece : pieces)
            PrintText(piece.Text, piece.Style, columnAdvance);
    }

    // Most items take one line: each part is measured once and drawn, without the bisection.
    // Returns false, having drawn nothing, when the parts do not all fit on the pen's line.
    bool PrintOnOneLine(const std::vector<TPiece>& pieces)
    {
        // Measured last part first, so the font changes once less before the first part is drawn.
        Widths_.assign(pieces.size(), 0);
        for (std::size_t k = pieces.size(); k-- > 0;) {
            if (!pieces[k].Text.empty()) {
                SetStyle(pieces[k].Style);
                Widths_[k] = Canvas_.TextWidth(pieces[k].Text);
            }
        }
        int x = PenX_;
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            // PrintText's test: the whole rest fits when it is narrower than the room left.
            if (!pieces[k].Text.empty() && Widths_[k] >= LineEnd_ - x)
                return false;
            x += Widths_[k];
        }
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            if (pieces[k].Text.empty())
                continue;
            SetStyle(pieces[k].Style);
            Canvas_.DrawText(PenX_, PenY_, pieces[k].Text);
            PenX_ += Widths_[k];
        }
        return true;
    }

    // The lines the item takes from a column's origin, the lines wrapped as PrintText wraps them.
    int CountLines(const std::vector<TPiece>& pieces, int origin, int lineEnd)
    {
        const auto saved = std::tuple(PenX_, LineStart_, LineEnd_);
        PenX_ = origin;
        LineStart_ = origin + Indent_;
        LineEnd_ = lineEnd;
        Measuring_ = true;
        int lines = 1;
        const auto counted = [this, &lines] {
            ++lines;
            PenX_ = LineStart_;
        };
        for (const TPiece& piece : pieces)
            PrintText(piece.Text, piece.Style, counted);
        Measuring_ = false;
        std::tie(PenX_, LineStart_, LineEnd_) = saved;
        return lines;
    }

    // Whether lines from a first one at y stay in the column: ColumnLineAdvance's test per line.
    bool FitsBelow(int y, int lines)
    {
        return lines <= 1
            || static_cast<std::int64_t>(y) + static_cast<std::int64_t>(lines) * LineHeight() < BottomLimit();
    }

    void ColumnLineAdvance()
    {
        const int height = LineHeight();
        if (static_cast<std::int64_t>(PenY_) + 2 * height >= BottomLimit()) {
            AdvanceColumn();
            PenX_ = LineStart_;
            PenY_ = ColumnTop_;
        } else {
            PenX_ = LineStart_;
            PenY_ += height;
        }
    }

    int BottomLimit() const { return Page_.Bottom; }

    void AdvanceColumn()
    {
        ++Column_;
        if (Column_ > Columns_) {
            PrintPageNumber();
            NewPage();
            ++PageNumber_;
            Column_ = 1;
            ColumnTop_ = Page_.Top;
        } else if (Request_.Setup.Separator && Column_ >= 2) {
            // A hundredth of an inch (three pixels at 300 dpi): three pixels of a 1200 dpi
            // printer would be a hairline nobody sees.
            const int width = std::max(3, DpiX_ / 100);
            const int x = ColumnOrigin(Column_) - Gap_ / 2 - width / 2 - 1;
            Canvas_.FillRect(x, ColumnTop_, x + width, BottomLimit());
        }
        ColumnOrigin_ = ColumnOrigin(Column_);
        LineStart_ = ColumnOrigin_ + Indent_;
        LineEnd_ = ColumnOrigin(Column_ + 1) - Gap_;
    }

    void PrintPageNumber()
    {
        if (!Request_.Options.PageNumbers)
            return;
        SetStyle(fsRegular);
        const std::string digits = std::to_string(PageNumber_);
        const std::u16string number(digits.begin(), digits.end());
        const int width = Canvas_.TextWidth(number);
        const int height = Canvas_.TextHeight(number);
        Canvas_.DrawText((Page_.Left + Page_.Right - width) / 2, Page_.Bottom + height, number);
    }

    // Writes the text from the pen with word wrap; newLine starts each further line.
    template <class TNewLine>
    void PrintText(std::u16string_view rest, TFontStyle style, const TNewLine& newLine)
    {
        SetStyle(style);
        for (;;) {
            const int available = LineEnd_ - PenX_;
            std::size_t lo = 0;
            std::size_t hi = rest.size();
            if (available <= 0) {
                hi = 0;
            }
            while (lo < hi) {
                const std::size_t mid = (lo + hi + 1) / 2;
                if (Canvas_.TextWidth(rest.substr(0, mid)) < available)
                    lo = mid;
                else
                    hi = mid - 1;
            }
            std::size_t n = lo;
            if (n == rest.size()) {
                Draw(rest);
                return;
            }
            if (n > 0 && IsHighSurrogate(rest[n - 1]))
                --n;
            std::size_t cut = 0;
            if (n > 0 && rest[n - 1] == u' ') {
                cut = n;
            } else if (rest[n] == u' ') {
                cut = n + 1;
            } else {
                const std::size_t space = rest.substr(0, n).rfind(u' ');
                if (space != std::u16string_view::npos)
                    cut = space + 1;
            }
            if (cut == 0 && PenX_ <= LineStart_) {
                // A word wider than a whole line is broken where the line ends.
                cut = n > 0 ? n : (rest.size() > 1 && IsHighSurrogate(rest[0]) ? 2 : 1);
            }
            if (cut > 0) {
                Draw(rest.substr(0, cut));
                rest.remove_prefix(cut);
            }
            if (rest.empty())
                return;
            newLine();
        }
    }

    void Draw(std::u16string_view text)
    {
        if (text.empty())
            return;
        if (!Measuring_)
            Canvas_.DrawText(PenX_, PenY_, text);
        PenX_ += Canvas_.TextWidth(text);
    }

    const TVocabFile& Document_;
    const TPrintRequest& Request_;
    IPrintCanvas& Canvas_;
    const TPageGeometry Page_;
    const int Columns_;
    const int DpiX_;
    int Size_ = 0;
    int Indent_ = 0;
    int Gap_ = 0;
    int PagesBegun_ = 1;
    int PageNumber_ = 1;
    int Column_ = 0;
    int ColumnOrigin_ = 0;
    int LineStart_ = 0;
    int LineEnd_ = 0;
    int ColumnTop_ = 0;
    int PenX_ = 0;
    int PenY_ = 0;
    bool Measuring_ = false; // CountLines: PrintText only moves the pen
    std::vector<int> Widths_;
};

} // namespace

TPageGeometry PageGeometry(const TPrintDevice& device, const TMargins& margins)
{
    TPageGeometry page;
    page.Left = Scale(margins.Left, device.DpiX);
    page.Top = Scale(margins.Top, device.DpiY);
    page.Right = device.Width - Scale(margins.Right, device.DpiX);
    page.Bottom = device.Height - Scale(margins.Bottom, device.DpiY);
    if (page.Right <= page.Left || page.Bottom <= page.Top)
        throw std::runtime_error(MarginsTooLarge);
    return page;
}

std::string PrintJobTitle(const std::string& fileName)
{
    return "Velmoria - " + DisplayTitle(fileName);
}

TPrintOutcome PrintVocabulary(const TVocabFile& document, const TPrintRequest& request,
    const TPrintDevice& device, IPrintCanvas& canvas, const TPrintProgress& progress)
{
    TLayout layout(document, request, device, canvas);
    return layout.Run(progress);
}
