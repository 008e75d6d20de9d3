#pragma once
// The window's commands as rows: what a command is called, its shortcut, hints, icon and help
// topic, when it may run, what it does, and where it appears. The menus and the tool bar are made
// from the rows, so a feature adds its commands by adding rows and nothing else.

#include <QKeySequence>
#include <QString>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

enum class TMenuId : std::uint8_t { None, File, Edit, Test, View, Help, HelpHowTo };

// Places are group * 10 + rank: the groups of a menu or of the tool bar are set apart by separators.
struct TPlace {
    TMenuId Menu = TMenuId::None;
    int InMenu = 0;
    int OnToolBar = 0; // 0: not on the tool bar
    const char* Button = nullptr; // the tool button's object name
};

// Captions and hints are English, marked QT_TRANSLATE_NOOP("Commands", ...): the table translates them.
struct TCommandRow {
    const char* Name;
    const char* Caption;
    QKeySequence Shortcut;
    const char* Hint;
    const char* Icon;
    // The help topic (core/HelpTopics.h) that F1 on the command's menu item opens.
    std::int32_t Help;
    TPlace Place;
    std::function<void()> Run;
    // When the command may run (empty: always); it guards Run too. A command with a checked rule
    // is checkable.
    std::function<bool()> Enabled = {};
    std::function<bool()> Checked = {};
    // Captions and tips that follow the state, set after every rule was asked.
    std::function<void(QAction&)> Follow = {};
    // The tool tip names this shortcut instead of the command's own (a button for a menu command).
    QKeySequence ShownShortcut = {};
};

// A menu of the menu bar, or a submenu placed among its parent's commands.
struct TMenuRow {
    TMenuId Id;
    const char* Name;
    const char* Caption;
    const char* Hint;
    TMenuId Parent = TMenuId::None;
    int Place = 0;
    // The reason a disabled command cannot run shows on its item.
    bool ToolTips = false;
};

class TCommandTable {
public:
    // run runs a command (reporting what it throws); refused follows a command whose rule said no.
    TCommandTable(QMainWindow& window, std::function<void(const std::function<void()>&)> run,
        std::function<void()> refused);

    void Add(std::span<const TCommandRow> rows);
    // Makes the menus and fills the tool bar from the rows added so far.
    void Build(std::span<const TMenuRow> menus, QToolBar& toolBar);
    // Enables, checks and captions every command, in the order the rows came.
    void Update();

    QAction* Find(std::string_view name) const;
    // The commands of a menu, in their order there.
    std::vector<QAction*> InMenu(TMenuId menu) const;
    const std::vector<QMenu*>& Menus() const { return Menus_; }

private:
    struct TCommand {
        QAction* Action;
        TPlace Place;
        std::function<bool()> Enabled, Checked;
        std::function<void(QAction&)> Follow;
    };
    std::vector<TCommand> Placed(bool toolBar, TMenuId menu) const;

    QMainWindow& Window_;
    std::function<void(const std::function<void()>&)> Run_;
    std::function<void()> Refused_;
    std::vector<TCommand> Commands_;
    std::vector<QMenu*> Menus_;
};

// A tool-bar hint from its menu twin: the caption without "&" and a closing "…", " - " and the shortcut
// when it has one, then "|" and the menu hint.
QString ToolBarHint(const QString& caption, const QString& shortcut, const QString& hint);
