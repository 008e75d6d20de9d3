#pragma once
// File > Print, the Print button (prints at once), File > Page Setup and printing from the
// command line.

#include <QCoreApplication>
#include <QObject>

class TMainForm;

class TPrintCommands : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TPrintCommands)

public:
    explicit TPrintCommands(TMainForm& form);

    enum TSender { psMenu, psToolBar, psCommandLine };
    // True when the pages went to the printer (or the PDF file offered instead of a printer).
    bool PrintList(TSender sender);

private:
    TMainForm& Form_;
};
