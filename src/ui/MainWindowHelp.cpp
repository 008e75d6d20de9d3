// The main window's Help menu, the help handler of the whole program, F1, tips and the about box.

#include "core/ProductInfo.h"
#include "qtsupport/DataFiles.h"
#include "qtsupport/DialogRunner.h"
#include "qtsupport/HelpRequest.h"
#include "qtsupport/MessageBox.h"
#include "ui/AboutDialog.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/TipsDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

// Owns the help system for the main window's lifetime, is the program's help handler while it
// lives, and turns F1 into help on the open menu's command or the focused dialog control.
class THelpCommands : public QObject {
public:
    explicit THelpCommands(TMainForm* form)
        : QObject(form)
        , Form_(form)
        , Help_(DataFilePath(QStringLiteral("velmoria.qch")))
    {
        Previous_
            = SetHelpHandler([this](int context) { Help_.ShowContext(context, RequestedControlContext()); });
        qApp->installEventFilter(this);
    }

    ~THelpCommands() override
    {
        qApp->removeEventFilter(this);
        SetHelpHandler(std::move(Previous_));
    }

    THelpSystem& Help() { return Help_; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || !widget)
            return false;
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            const int context = menu->activeAction() ? HelpContext(menu->activeAction()) : 0;
            if (context == 0 || event->type() != QEvent::KeyPress)
                return false;
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            RequestHelp(context);
            return true;
        }
        QWidget* window = widget->window();
        // In the main window F1 is the Help Topics shortcut; the help window has its own keys.
        if (window == Form_ || qobject_cast<THelpWindow*>(window))
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            // Claimed here, so that no window's F1 shortcut takes it before the key press.
            key->accept();
            return true;
        }
        if (!RequestDialogHelp(widget))
            Help_.ShowContents();
        return true;
    }

private:
    TMainForm* Form_;
    THelpSystem Help_;
    THelpHandler Previous_;
};

THelpSystem& TMainForm::HelpSystem()
{
    return HelpCommands_->Help();
}

void TMainForm::CloseHelp()
{
    HelpSystem().Close();
}

void TMainForm::CreateHelpCommands()
{
    HelpCommands_ = new THelpCommands(this);
    const auto openPage = [](const char* address) {
        return [address] { QDesktopServices::openUrl(QUrl(QString::fromUtf8(address))); };
    };
    const TActionEntry entries[] = {
        { &miHelpContents, "miHelpContents", "&Help Topics", QKeySequence(Qt::Key_F1),
            "Displays Help topics, contents and index", nullptr, 2500, nullptr, {}, {},
            [this] { HelpSystem().ShowContents(); } },
        { &miHelpHowToEdit, "miHelpHowToEdit", "&Edit Vocabulary", {},
            "Explains how to enter and modify vocabulary", nullptr, 1300, nullptr, {}, {},
            [this] { RequestHelp(HelpContext(miHelpHowToEdit)); } },
        { &miHelpHowToTest, "miHelpHowToTest", "&Test Vocabulary", {},
            "Explains how to learn vocabulary by testing", nullptr, 1400, nullptr, {}, {},
            [this] { RequestHelp(HelpContext(miHelpHowToTest)); } },
        { &miHelpTips, "miHelpTips", "&Tip of the Day", {}, "Provides useful information for new users",
            nullptr, 2501, nullptr, {}, {}, [this] { miHelpTipsClick(false); } },
        { &miHelpHomePage, "miHelpHomePage", "&Product Web Site", {},
            "Displays the home page for this program", nullptr, 2502, nullptr, {}, {},
            openPage(ProductHomePage) },
        { &miHelpExchangePage, "miHelpExchangePage", "&Share Vocabulary", {},
            "Displays vocabulary files on the web", nullptr, 2503, nullptr, {}, {},
            openPage(ProductExchangePage) },
        { &miHelpDonate, "miHelpDonate", "&Donate", {}, "Displays information about making a donation",
            nullptr, 2504, nullptr, {}, {}, openPage(ProductDonatePage) },
        { &miHelpAbout, "miHelpAbout", "&About", {}, "Displays information about this program", nullptr, 2505,
            &TMainForm::miHelpAboutClick },
    };
    for (const auto& entry : entries)
        CreateAction(entry);
    miHelpAbout->setText(QStringLiteral("&About Velmoria"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("miHelp"));
    help->setStatusTip(QStringLiteral("Help and information commands"));
    help->addAction(miHelpContents);
    QMenu* howTo = help->addMenu(QStringLiteral("H&ow To"));
    howTo->setObjectName(QStringLiteral("miHelpHowTo"));
    howTo->addAction(miHelpHowToEdit);
    howTo->addAction(miHelpHowToTest);
    help->addAction(miHelpTips);
    help->addSeparator();
    help->addAction(miHelpHomePage);
    help->addAction(miHelpExchangePage);
    help->addAction(miHelpDonate);
    help->addSeparator();
    help->addAction(miHelpAbout);
}

void TMainForm::miHelpTipsClick(bool atStartUp)
{
    TTipsData tips { DataFilePath(QStringLiteral("velmoria.tip")), WindowState_.NextTip,
        WindowState_.ShowTips };
    TTipsDialog dialog(this, tips);
    ExecDialog(dialog);
    if (atStartUp && !tips.ShowTips)
        ShowMessageBox(QStringLiteral("Tip of the Day can be turned on again via the Help menu."),
            QStringLiteral("Velmoria"), QMessageBox::Ok, QMessageBox::Information);
    WindowState_.NextTip = tips.NextTip;
    WindowState_.ShowTips = tips.ShowTips;
}

void TMainForm::miHelpAboutClick()
{
    TAboutDialog dialog(this);
    ExecDialog(dialog);
}
