#include "settings/Session.h"

TSession::TSession()
    : Document_(std::make_unique<TVocabFile>())
{
    Document_->SetNotice(&Changes_);
}

void TSession::ReplaceDocument(std::unique_ptr<TVocabFile> document)
{
    if (!document)
        return;
    Document_ = std::move(document);
    Document_->SetNotice(&Changes_);
    Changes_.Notify(mcList | mcFileName);
}

void TSession::SetMode(TWindowMode mode)
{
    if (mode == Mode_)
        return;
    Mode_ = mode;
    Changes_.Notify(mcMode);
}
