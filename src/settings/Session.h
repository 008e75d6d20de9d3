#pragma once
// What one run of the program works on: the document, the settings and what the window remembers
// between dialogs. The application owns one and hands it by reference to the window, the dialogs
// and the quiz.

#include "core/ChangeNotice.h"
#include "core/VocabFile.h"
#include "settings/Settings.h"

#include <memory>

// The pages the options dialog showed last, for the program's lifetime; its OK updates them.
struct TOptionsPages {
    int Page = 0;
    int EvaluationPage = 0;
};

// What the window shows of the list: nothing (no list open), the grid, or a test.
enum TWindowMode : std::uint8_t { wmNone = 0, wmEditing = 1, wmTesting = 2 };

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

    TWindowMode Mode() const { return Mode_; }
    void SetMode(TWindowMode mode);
    // Tells of the document's changes, of a new document and of a new mode.
    TChangeNotice& Changes() { return Changes_; }

    TSettings Settings;
    TOptionsPages OptionsPages;

private:
    // First: the document tells it of its changes to its last moment.
    TChangeNotice Changes_;
    std::unique_ptr<TVocabFile> Document_;
    TWindowMode Mode_ = wmNone;
};
