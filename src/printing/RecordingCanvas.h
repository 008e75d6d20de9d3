#pragma once
// A canvas with fixed metrics that records what is drawn: the layout's tests and its benchmark
// run on it. Every character is CharWidth wide (bold ones BoldExtra wider), every line
// LineHeight(point size) high.

#include "printing/PrintLayout.h"

#include <string>
#include <vector>

class TRecordingCanvas : public IPrintCanvas {
public:
    struct TText {
        int Page = 0; // 1-based over the whole job
        int X = 0, Y = 0;
        std::u16string Text;
        TFontStyle Style = fsRegular;
        int Size = 0;
    };
    struct TRect {
        int Page = 0;
        int Left = 0, Top = 0, Right = 0, Bottom = 0;
    };

    int CharWidth = 10;
    int BoldExtra = 0;
    // Records nothing, only measures (for the benchmark).
    bool Record = true;

    void SetFont(const std::string& face, int pointSize, TFontStyle style) override;
    int TextWidth(std::u16string_view text) override;
    int TextHeight(std::u16string_view text) override;
    void DrawText(int x, int y, std::u16string_view text) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void NewPage() override;

    int LineHeight() const { return Size_ * 2; }
    int Pages() const { return Page_; }
    const std::vector<TText>& Texts() const { return Texts_; }
    const std::vector<TRect>& Rects() const { return Rects_; }
    std::size_t DrawCount() const { return DrawCount_; }

private:
    int Page_ = 1;
    int Size_ = 10;
    TFontStyle Style_ = fsRegular;
    std::vector<TText> Texts_;
    std::vector<TRect> Rects_;
    std::size_t DrawCount_ = 0;
};
