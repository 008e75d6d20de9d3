#pragma once
// What one run of the program works on: the document, the settings and what the window remembers
// between dialogs. The application owns one and hands it by reference to the window, the dialogs
// and the quiz.

#include "core/VocabFile.h"
#include "settings/Settings.h"

#include <memory>

// The pages the options dialog showed last, for the program's lifetime; its OK updates them.
struct TOptionsPages {
    int Page = 0;
    int EvaluationPage = 0;
};

class TSession {
public:
    TSession();
    TSession(const TSession&) = delete;
    TSession& operator=(const TSession&) = delete;

    // Opening a file swaps in a new document only when it loaded, so nothing may keep a
    // reference to it across an open: reach it through Document() each time.
    TVocabFile& Document() { return *Document_; }
    const TVocabFile& Document() const { return *Document_; }
    // Puts the new document in place and frees the old one; a null document changes nothing.
    void ReplaceDocument(std::unique_ptr<TVocabFile> document);

    TSettings Settings;
    TOptionsPages OptionsPages;

private:
    std::unique_ptr<TVocabFile> Document_;
};
