#pragma once
// The help viewer: the compiled help file on QHelpEngine, in a window of its own (owned by no
// window of the program) with contents, index and full-text search, opened at the topic of a
// context number.

#include "ui/Parts.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <memory>

class QHelpEngine;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTreeView;

// Pages come from the help file; links out of it go to the desktop's browser or mail program.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    THelpBrowser(QHelpEngine& engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngine& Engine_;
};

class THelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit THelpWindow(QHelpEngine& engine);
    void ShowPage(const QUrl& url);
    QUrl CurrentPage() const;

    // Runs a full-text search; the hits appear in lbResults when the engine has them.
    void Search(const QString& text);

    QTabWidget* pcNavigation = nullptr;
    QTreeView* tvContents = nullptr;
    QLineEdit* edtIndex = nullptr;
    QListView* lbIndex = nullptr;
    QLineEdit* edtSearch = nullptr;
    QPushButton* btnSearch = nullptr;
    QListWidget* lbResults = nullptr;
    THelpBrowser* Browser = nullptr;

private:
    void SelectInContents(const QUrl& url);
    void ShowKeyword(const QModelIndex& index);
    void ShowResults(int count);
    void IndexReady();
    QHelpEngine& Engine_;
    // A search asked for before the index is built runs once it is.
    bool Indexed_ = false;
    QString PendingSearch_;
};

// The one help handler of the program: context numbers to topics, the contents, and closing.
// The engine is set up on the first request; a help file that is missing or unreadable is
// reported once, and requests after that do nothing until it can be read.
class THelpSystem : public IHelpSystem {
    Q_DECLARE_TR_FUNCTIONS(THelpSystem)

public:
    // The engine's register and search index go into cacheFolder (the user's cache by default).
    explicit THelpSystem(QString helpFile, QString cacheFolder = {});
    ~THelpSystem() override;
    THelpSystem(const THelpSystem&) = delete;
    THelpSystem& operator=(const THelpSystem&) = delete;

    // A context of 0 does nothing; an unknown one shows the contents. A control context selects
    // that control's section of the topic when the page has one (id "c" and the number).
    void ShowContext(int context, int controlContext = 0) override;
    void ShowContents() override;
    // Closes the help window (the program is closing).
    void Close() override;

    // Where a context leads, or an empty URL when the help file cannot be read.
    QUrl ContextUrl(int context, int controlContext = 0);
    QHelpEngine* Engine();
    THelpWindow* Window() const { return Window_.get(); }
    const QString& HelpFile() const { return HelpFile_; }

    static QUrl PageUrl(const QString& page);

private:
    bool Open();
    // message names the help file as %1.
    void Report(const QString& message);
    void Show(const QUrl& url);

    QString HelpFile_;
    QString CacheFolder_;
    std::unique_ptr<QHelpEngine> Engine_;
    std::unique_ptr<THelpWindow> Window_;
    bool Reported_ = false;
};
