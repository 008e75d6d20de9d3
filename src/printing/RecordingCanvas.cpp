#include "printing/RecordingCanvas.h"

void TRecordingCanvas::SetFont(const std::string&, int pointSize, TFontStyle style)
{
    Size_ = pointSize;
    Style_ = style;
}

int TRecordingCanvas::TextWidth(std::u16string_view text)
{
    return static_cast<int>(text.size()) * (CharWidth + (Style_ == fsBold ? BoldExtra : 0));
}

int TRecordingCanvas::TextHeight(std::u16string_view)
{
    return LineHeight();
}

void TRecordingCanvas::DrawText(int x, int y, std::u16string_view text)
{
    ++DrawCount_;
    if (Record)
        Texts_.push_back({ Page_, x, y, std::u16string(text), Style_, Size_ });
}

void TRecordingCanvas::FillRect(int left, int top, int right, int bottom)
{
    if (Record)
        Rects_.push_back({ Page_, left, top, right, bottom });
}

void TRecordingCanvas::NewPage()
{
    ++Page_;
}
