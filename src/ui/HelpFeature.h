#pragma once
// The Help menu, tips and the about box; the help system for the window's lifetime, the program's
// help handler while it lives, and F1 on the open menu's command or the focused dialog control.

#include "qtsupport/HelpRequest.h"
#include "ui/Parts.h"

#include <QCoreApplication>
#include <QObject>
#include <memory>

class TMainForm;

class THelpFeature : public QObject {
    Q_DECLARE_TR_FUNCTIONS(THelpFeature)

public:
    explicit THelpFeature(TMainForm& form);
    ~THelpFeature() override;

    // Closes the help window (the program is closing).
    void Close()
    {
        if (Help_)
            Help_->Close();
    }
    // The tips dialog; at start-up a tip switched off is followed by a reminder of the menu.
    void ShowTips(bool atStartUp = false);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMainForm& Form_;
    // Made on the first request: the help's libraries are loaded then.
    IHelpSystem* Help();
    std::unique_ptr<IHelpSystem> Help_;
    THelpHandler Previous_;
};
