#pragma once
// One of each dialog of the window, over a small list, for the tests that walk them all.

#include "support/TempDir.h"
#include "ui/AboutDialog.h"
#include "ui/EditDialog.h"
#include "ui/FindDialog.h"
#include "ui/FontDialog.h"
#include "ui/HelpWindow.h"
#include "ui/ImportFieldsDialog.h"
#include "ui/KvtmlDialog.h"
#include "ui/MainWindow.h"
#include "ui/OptionsDialog.h"
#include "ui/PageSetupDialog.h"
#include "ui/PrintOptionsDialog.h"
#include "ui/ProgressDialog.h"
#include "ui/PropertiesDialog.h"
#include "ui/SortDialog.h"
#include "ui/StatisticsDialog.h"
#include "ui/TipsDialog.h"
#include "ui/WelcomeDialog.h"

#include <QDialog>
#include <QPrinter>
#include <fstream>
#include <memory>
#include <vector>

// What the dialogs show, kept alive as long as they are.
struct TEveryDialog {
    TTempDir Dir;
    TImportSettings Import;
    TKvtmlFile Kvtml { "t", { { "0", "Deutsch", "de", 1 }, { "1", "English", "en", 1 } }, {}, {} };
    TKvtmlChoice KvtmlChoice;
    TItemEditData Item;
    TWelcomeData Welcome;
    TPropertiesData Properties;
    TOptions Options;
    std::string Right, Wrong;
    TSpeechSettings Speech;
    TReviewSettings Reviews;
    std::string UiLanguage;
    TThemeChoice Theme = TThemeChoice::System;
    TOptionsTarget Target { &Options, &Right, &Wrong, 0, nullptr, nullptr,
        { &Speech, nullptr, 0x0407, 0x0809, "der Hund", "dog" }, &Reviews, &UiLanguage, &Theme };
    QPrinter Printer;
    TFontSetting Font;
    TReviewProgress Progress;
    std::vector<std::unique_ptr<QDialog>> Dialogs;

    // The search dialog lives with the window, so it is not among Dialogs.
    explicit TEveryDialog(TMainForm& form)
        : Font(form.Session().Settings.DisplayFont)
    {
        std::ofstream(Dir.File("words.txt"), std::ios::binary) << "Haus,house\r\n";
        Welcome.RecentFiles = &form.RecentFiles();
        Properties.FileName = Dir.File("words.vmr");
        Printer.setOutputFormat(QPrinter::PdfFormat);
        TSession& session = form.Session();
        Dialogs.push_back(std::make_unique<TEditDialog>(&form, Item, session));
        Dialogs.push_back(
            std::make_unique<TConvertDialog>(&form, Import, "Haus,house\r\n", session.Document()));
        Dialogs.push_back(std::make_unique<TKvtmlDialog>(&form, Kvtml, KvtmlChoice));
        Dialogs.push_back(std::make_unique<TStatisticsDialog>(&form, session.Document()));
        Dialogs.push_back(std::make_unique<TPageSetupDialog>(&form, session.Settings.PageSetup));
        Dialogs.push_back(std::make_unique<TSortDialog>(&form, 0));
        Dialogs.push_back(std::make_unique<TOptionsDialog>(&form, Target));
        Dialogs.push_back(
            std::make_unique<TPrintOptionsDialog>(&form, Printer, session.Document(), session.Settings));
        Dialogs.push_back(std::make_unique<TSelectFontDialog>(&form, Font));
        Dialogs.push_back(std::make_unique<TWelcomeDialog>(&form, Welcome));
        Dialogs.push_back(std::make_unique<TPropertiesDialog>(&form, Properties));
        {
            THistory history(Dir.File("history.sqlite"));
            Progress = ReadReviewProgress(history, 20000);
        }
        Dialogs.push_back(std::make_unique<TProgressDialog>(&form, Progress));
    }
};

// Every window besides the main one: the dialogs, a new list's properties (no General page but all
// languages), the tips, the about box, the search dialog and the help window.
struct TEveryWindow : TEveryDialog {
    TPropertiesData NewList;
    TTipsData Tips { QStringLiteral(VELMORIA_SOUND_DIR "/velmoria.tip"), 1, true };
    TTempDir Cache;
    THelpSystem Help { QStringLiteral(VELMORIA_HELP_FILE), QString::fromStdString(Cache.Path().string()) };
    std::vector<QWidget*> All;

    explicit TEveryWindow(TMainForm& form)
        : TEveryDialog(form)
    {
        Dialogs.push_back(std::make_unique<TPropertiesDialog>(&form, NewList));
        Dialogs.push_back(std::make_unique<TTipsDialog>(&form, Tips));
        Dialogs.push_back(std::make_unique<TAboutDialog>(&form));
        All.push_back(form.Find().SearchDialog());
        for (const auto& dialog : Dialogs)
            All.push_back(dialog.get());
        Help.ShowContents();
        All.push_back(Help.Window());
    }
};
