#include "ui/CommandTable.h"

#include "qtsupport/HelpRequest.h"
#include "qtsupport/SvgIcon.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolBar>
#include <algorithm>
#include <map>

namespace {
QString Q(const char* text)
{
    return QString::fromUtf8(text);
}

// Captions and hints of the rows are marked QT_TRANSLATE_NOOP("Commands", ...).
QString Translated(const char* text)
{
    return text && *text ? QCoreApplication::translate("Commands", text) : QString();
}
} // namespace

QString ToolBarHint(const QString& caption, const QString& shortcut, const QString& hint)
{
    QString text = caption;
    text.remove(QLatin1Char('&'));
    // The dots of a command that opens a dialog, in any language's way of writing them.
    static const QRegularExpression opensDialog(QStringLiteral("\\s*(\u2026|\\.\\.\\.)$"));
    text.remove(opensDialog);
    if (!shortcut.isEmpty())
        text += QStringLiteral(" - ") + shortcut;
    return text + QLatin1Char('|') + hint;
}

TCommandTable::TCommandTable(
    QMainWindow& window, std::function<void(const std::function<void()>&)> run, std::function<void()> refused)
    : Window_(window)
    , Run_(std::move(run))
    , Refused_(std::move(refused))
{
}

void TCommandTable::Add(std::span<const TCommandRow> rows)
{
    for (const TCommandRow& row : rows) {
        auto* action = new QAction(Translated(row.Caption), &Window_);
        action->setObjectName(Q(row.Name));
        action->setShortcut(row.Shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setStatusTip(Translated(row.Hint));
        const QKeySequence shown = row.ShownShortcut.isEmpty() ? row.Shortcut : row.ShownShortcut;
        action->setToolTip(
            ToolBarHint(action->text(), shown.toString(QKeySequence::NativeText), Translated(row.Hint))
                .section(QLatin1Char('|'), 0, 0));
        if (row.Icon)
            action->setIcon(SvgIcon(QStringLiteral(":/icons/%1.svg").arg(Q(row.Icon))));
        // For F1 on an open menu.
        SetHelpContext(action, row.Help);
        action->setCheckable(static_cast<bool>(row.Checked));
        // The rule is asked again at the moment the command runs: a shortcut may come before the
        // state caught up with a change.
        QObject::connect(action, &QAction::triggered, &Window_, [this, run = row.Run, enabled = row.Enabled] {
            if (enabled && !enabled())
                Refused_();
            else
                Run_(run);
        });
        Commands_.push_back({ action, row.Place, row.Enabled, row.Checked, row.Follow });
    }
}

std::vector<TCommandTable::TCommand> TCommandTable::Placed(bool toolBar, TMenuId menu) const
{
    std::vector<TCommand> placed;
    std::copy_if(
        Commands_.begin(), Commands_.end(), std::back_inserter(placed), [&](const TCommand& command) {
            return toolBar ? command.Place.OnToolBar > 0 : command.Place.Menu == menu;
        });
    const auto place = [toolBar](const TCommand& c) { return toolBar ? c.Place.OnToolBar : c.Place.InMenu; };
    std::stable_sort(placed.begin(), placed.end(),
        [&place](const TCommand& a, const TCommand& b) { return place(a) < place(b); });
    return placed;
}

void TCommandTable::Build(std::span<const TMenuRow> menus, QToolBar& toolBar)
{
    std::map<TMenuId, QMenu*> made;
    for (const TMenuRow& row : menus) {
        QMenu* menu = row.Parent == TMenuId::None ? Window_.menuBar()->addMenu(Translated(row.Caption))
                                                  : new QMenu(Translated(row.Caption), made.at(row.Parent));
        menu->setObjectName(Q(row.Name));
        if (row.Hint)
            menu->setStatusTip(Translated(row.Hint));
        menu->setToolTipsVisible(row.ToolTips);
        made[row.Id] = menu;
        Menus_.push_back(menu);
    }
    // A menu's items: its commands and its submenus, a separator wherever the group changes.
    for (const TMenuRow& row : menus) {
        std::vector<std::pair<int, QAction*>> items;
        for (const TCommand& command : Placed(false, row.Id))
            items.emplace_back(command.Place.InMenu, command.Action);
        for (const TMenuRow& sub : menus)
            if (sub.Parent == row.Id)
                items.emplace_back(sub.Place, made.at(sub.Id)->menuAction());
        std::stable_sort(
            items.begin(), items.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        QMenu* menu = made.at(row.Id);
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i > 0 && items[i].first / 10 != items[i - 1].first / 10)
                menu->addSeparator();
            menu->addAction(items[i].second);
        }
    }
    const std::vector<TCommand> buttons = Placed(true, TMenuId::None);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (i > 0 && buttons[i].Place.OnToolBar / 10 != buttons[i - 1].Place.OnToolBar / 10)
            toolBar.addSeparator();
        toolBar.addAction(buttons[i].Action);
        if (buttons[i].Place.Button)
            toolBar.widgetForAction(buttons[i].Action)->setObjectName(Q(buttons[i].Place.Button));
    }
}

void TCommandTable::Update()
{
    for (const TCommand& command : Commands_) {
        if (command.Enabled)
            command.Action->setEnabled(command.Enabled());
        if (command.Checked)
            command.Action->setChecked(command.Checked());
    }
    for (const TCommand& command : Commands_)
        if (command.Follow)
            command.Follow(*command.Action);
}

QAction* TCommandTable::Find(std::string_view name) const
{
    const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (const TCommand& command : Commands_)
        if (command.Action->objectName() == wanted)
            return command.Action;
    return nullptr;
}

std::vector<QAction*> TCommandTable::InMenu(TMenuId menu) const
{
    std::vector<QAction*> actions;
    for (const TCommand& command : Placed(false, menu))
        actions.push_back(command.Action);
    return actions;
}
