// The print layout of a list on a canvas that only measures, beside a plain walk over the
// same items' texts.

#include "BenchFigures.h"
#include "core/VocabFile.h"
#include "printing/PrintLayout.h"
#include "printing/RecordingCanvas.h"

#include <cstdio>

void BenchPrint(int items)
{
    TVocabFile doc;
    GenerateList(doc, items);
    doc.SetProperties(piDescription, "Benchmark");
    TPrintRequest request;
    request.Font = { "Serif", 10 };
    // A4 at 600 dpi.
    const TPrintDevice device { 4960, 7016, 600, 600 };
    TRecordingCanvas canvas;
    canvas.Record = false;
    int pages = 0;
    const double layout = BestMs(
        [&] {
            canvas = TRecordingCanvas();
            canvas.Record = false;
            pages = PrintVocabulary(doc, request, device, canvas).Pages;
        },
        3);
    std::size_t bytes = 0;
    const double walk = BestMs(
        [&] {
            bytes = 0;
            for (const auto& item : doc.ItemList())
                for (int field = 0; field < FieldCount; ++field)
                    bytes += item->FieldValue(field).size();
        },
        3);
    PrintFigure("print-layout", items, layout, walk);
    std::printf("  (%d pages, %zu texts drawn; walk saw %zu bytes)\n", pages, canvas.DrawCount(), bytes);
}
