#include "ui/HelpFeature.h"

#include "core/ProductInfo.h"
#include "qtsupport/DataFiles.h"
#include "qtsupport/DialogRunner.h"
#include "qtsupport/MessageBox.h"
#include "ui/AboutDialog.h"
#include "ui/MainWindow.h"
#include "ui/TipsDialog.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMenu>
#include <QUrl>

THelpFeature::THelpFeature(TMainForm& form)
    : Form_(form)
{
    Previous_ = SetHelpHandler([this](int context) {
        if (IHelpSystem* help = Help())
            help->ShowContext(context, RequestedControlContext());
    });
    qApp->installEventFilter(this);

    const auto openPage = [](const char* address) {
        return [address] { QDesktopServices::openUrl(QUrl(QString::fromUtf8(address))); };
    };
    const TCommandRow rows[] = {
        { "miHelpContents", QT_TRANSLATE_NOOP("Commands", "&Help Topics"), QKeySequence(Qt::Key_F1),
            QT_TRANSLATE_NOOP("Commands", "Displays Help topics, contents and index"), nullptr, 2500,
            { TMenuId::Help, 10 },
            [this] {
                if (IHelpSystem* help = Help())
                    help->ShowContents();
            } },
        { "miHelpHowToEdit", QT_TRANSLATE_NOOP("Commands", "&Edit Vocabulary"), {},
            QT_TRANSLATE_NOOP("Commands", "Explains how to enter and modify vocabulary"), nullptr, 1300,
            { TMenuId::HelpHowTo, 10 }, [] { RequestHelp(1300); } },
        { "miHelpHowToTest", QT_TRANSLATE_NOOP("Commands", "&Test Vocabulary"), {},
            QT_TRANSLATE_NOOP("Commands", "Explains how to learn vocabulary by testing"), nullptr, 1400,
            { TMenuId::HelpHowTo, 11 }, [] { RequestHelp(1400); } },
        { "miHelpTips", QT_TRANSLATE_NOOP("Commands", "&Tip of the Day"), {},
            QT_TRANSLATE_NOOP("Commands", "Provides useful information for new users"), nullptr, 2501,
            { TMenuId::Help, 12 }, [this] { ShowTips(false); } },
        { "miHelpHomePage", QT_TRANSLATE_NOOP("Commands", "&Product Web Site"), {},
            QT_TRANSLATE_NOOP("Commands", "Displays the home page for this program"), nullptr, 2502,
            { TMenuId::Help, 20 }, openPage(ProductHomePage) },
        { "miHelpExchangePage", QT_TRANSLATE_NOOP("Commands", "&Share Vocabulary"), {},
            QT_TRANSLATE_NOOP("Commands", "Displays vocabulary files on the web"), nullptr, 2503,
            { TMenuId::Help, 21 }, openPage(ProductExchangePage) },
        { "miHelpDonate", QT_TRANSLATE_NOOP("Commands", "&Donate"), {},
            QT_TRANSLATE_NOOP("Commands", "Displays information about making a donation"), nullptr, 2504,
            { TMenuId::Help, 22 }, openPage(ProductDonatePage) },
        // The menu names the program; the tool tip keeps the short name.
        { "miHelpAbout", QT_TRANSLATE_NOOP("Commands", "&About"), {},
            QT_TRANSLATE_NOOP("Commands", "Displays information about this program"), nullptr, 2505,
            { TMenuId::Help, 30 },
            [this] {
                TAboutDialog dialog(&Form_);
                ExecDialog(dialog);
            },
            {}, {},
            [](QAction& action) {
                if (action.text() != tr("&About Velmoria"))
                    action.setText(tr("&About Velmoria"));
            } },
    };
    form.AddCommands(rows);
}

THelpFeature::~THelpFeature()
{
    qApp->removeEventFilter(this);
    SetHelpHandler(std::move(Previous_));
}

bool THelpFeature::eventFilter(QObject* watched, QEvent* event)
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
    if (window == &Form_ || window->inherits("THelpWindow"))
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Claimed here, so that no window's F1 shortcut takes it before the key press.
        key->accept();
        return true;
    }
    if (!RequestDialogHelp(widget))
        if (IHelpSystem* help = Help())
            help->ShowContents();
    return true;
}

IHelpSystem* THelpFeature::Help()
{
    if (!Help_)
        if (const TParts* parts = LoadParts())
            Help_ = parts->MakeHelpSystem(LocalisedPath(DataFilePath(QStringLiteral("velmoria.qch"))));
    return Help_.get();
}

void THelpFeature::ShowTips(bool atStartUp)
{
    TWindowState& state = Form_.WindowState();
    TTipsData tips { LocalisedPath(DataFilePath(QStringLiteral("velmoria.tip"))), state.NextTip,
        state.ShowTips };
    TTipsDialog dialog(&Form_, tips);
    ExecDialog(dialog);
    if (atStartUp && !tips.ShowTips)
        ShowMessageBox(tr("Tip of the Day can be turned on again via the Help menu."),
            QStringLiteral("Velmoria"), QMessageBox::Ok, QMessageBox::Information);
    state.NextTip = tips.NextTip;
    state.ShowTips = tips.ShowTips;
}
