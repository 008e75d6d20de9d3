#include "settings/Session.h"

TSession::TSession()
    : Document_(std::make_unique<TVocabFile>())
{
}

void TSession::ReplaceDocument(std::unique_ptr<TVocabFile> document)
{
    if (document)
        Document_ = std::move(document);
}
