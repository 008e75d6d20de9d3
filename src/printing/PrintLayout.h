#pragma once
// The print layout of a vocabulary list: flowing text in one to three columns with a title,
// page numbers and column separators, drawn on an abstract canvas in device pixels.

#include "core/VocabFile.h"
#include "evaluation/Translatable.h"
#include "settings/Settings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

enum TFontStyle : std::uint8_t { fsRegular = 0, fsBold = 1, fsItalic = 2 };

// What the layout needs of a printer's canvas. Texts arrive as UTF-16; positions are the top
// left corner of the text in device pixels.
class IPrintCanvas {
public:
    virtual ~IPrintCanvas() = default;
    virtual void SetFont(const std::string& face, int pointSize, TFontStyle style) = 0;
    virtual int TextWidth(std::u16string_view text) = 0;
    virtual int TextHeight(std::u16string_view text) = 0;
    virtual void DrawText(int x, int y, std::u16string_view text) = 0;
    // Fills [left, right) x [top, bottom) with black.
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    virtual void NewPage() = 0;
};

// The printable area of the page and the device resolution.
struct TPrintDevice {
    int Width = 0; // printable width in device pixels
    int Height = 0;
    int DpiX = 0;
    int DpiY = 0;
};

struct TPageGeometry {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

inline constexpr const char* MarginsTooLarge
    = VM_TRANSLATE_NOOP("Velmoria::Model", "Margins too large for paper.");
inline constexpr const char* NoPrinterInstalled
    = VM_TRANSLATE_NOOP("Velmoria::Model", "No printer installed.");

// The text area inside the margins; raises MarginsTooLarge when nothing is left of it.
TPageGeometry PageGeometry(const TPrintDevice& device, const TMargins& margins);

// "Velmoria - " and the display title of the list's file.
std::string PrintJobTitle(const std::string& fileName);

struct TPrintRequest {
    TPrintOptions Options;
    TPageSetup Setup;
    TFontSetting Font;
    // How many times the list is laid out: the copy count when the driver cannot make copies.
    int Passes = 1;
};

// Called now and then with the items laid out so far (over all passes) and the total;
// returning false cancels the job.
using TPrintProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

struct TPrintOutcome {
    int Pages = 0; // pages begun, over all passes
    bool Cancelled = false;
};

// Lays out the document on the canvas, which is already open on its first page.
TPrintOutcome PrintVocabulary(const TVocabFile& document, const TPrintRequest& request,
    const TPrintDevice& device, IPrintCanvas& canvas, const TPrintProgress& progress = {});
