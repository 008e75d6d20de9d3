#include "core/GlobalDocument.h"

namespace {
std::unique_ptr<TVocabFile>& Slot()
{
    static auto document = std::make_unique<TVocabFile>();
    return document;
}
} // namespace

TVocabFile& Document()
{
    return *Slot();
}

void ReplaceDocument(std::unique_ptr<TVocabFile> document)
{
    if (document)
        Slot() = std::move(document);
}
