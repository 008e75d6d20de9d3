#include "ui/HelpWindow.h"

#include "core/HelpTopics.h"
#include "qtsupport/MessageBox.h"
#include "ui/Accessible.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QLockFile>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <functional>
#include <utility>

namespace {

const QString HelpScheme = QStringLiteral("qthelp");
const QString HelpNamespace = QStringLiteral("org.example.velmoria");
const QString HelpFolder = QStringLiteral("help");

QUrl WithoutFragment(QUrl url)
{
    url.setFragment(QString());
    return url;
}

constexpr int IndexPatienceMs = 15000;
constexpr int RegisterLockWaitMs = 10000;
constexpr int RegisterLockStaleMs = 30000;

// The engine keeps its collection (the register of help files) and search index in a folder of
// the user's cache, named after the help file's path, then its size and time: an installed help file
// is read-only, and a new one gets a fresh register and index.
QString CollectionFile(const QFileInfo& helpFile, const QString& folder)
{
    const auto hash = [](const QString& text) {
        return QString::fromLatin1(
            QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
    };
    const QString path = QStringLiteral("velmoria-") + hash(helpFile.canonicalFilePath()) + QLatin1Char('-');
    const QString name = path
        + hash(QString::number(helpFile.size()) + QLatin1Char('|')
            + QString::number(helpFile.lastModified().toMSecsSinceEpoch()));
    QDir dir(folder);
    dir.mkpath(QStringLiteral("."));
    // Earlier versions of this help file leave registers and indexes of no more use; another installed
    // copy of the program, with its help file elsewhere, may be using its own right now.
    for (const QFileInfo& entry :
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (entry.fileName().contains(path) && !entry.fileName().contains(name)) {
            if (entry.isDir())
                QDir(entry.filePath()).removeRecursively();
            else
                QFile::remove(entry.filePath());
        }
    }
    return dir.filePath(name + QStringLiteral(".qhc"));
}

} // namespace

// ---- THelpBrowser -----------------------------------------------------------------------------

THelpBrowser::THelpBrowser(QHelpEngine& engine, QWidget* parent)
    : QTextBrowser(parent)
    , Engine_(engine)
{
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QUrl url = source().resolved(link);
        if (url.scheme() == HelpScheme)
            setSource(url);
        else
            QDesktopServices::openUrl(url);
    });
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == HelpScheme)
        return Engine_.fileData(WithoutFragment(name));
    return QTextBrowser::loadResource(type, name);
}

// ---- THelpWindow ------------------------------------------------------------------------------

THelpWindow::THelpWindow(QHelpEngine& engine)
    : Engine_(engine)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Velmoria Help"));
    resize(860, 600);

    Browser = new THelpBrowser(engine, this);
    Browser->setObjectName(QStringLiteral("Browser"));

    tvContents = new QTreeView(this);
    tvContents->setObjectName(QStringLiteral("tvContents"));
    tvContents->setHeaderHidden(true);
    tvContents->setModel(engine.contentModel());
    tvContents->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(tvContents, &QTreeView::activated, this, [this](const QModelIndex& index) {
        if (const QHelpContentItem* item = Engine_.contentModel()->contentItemAt(index))
            ShowPage(item->url());
    });
    connect(tvContents, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        if (const QHelpContentItem* item = Engine_.contentModel()->contentItemAt(index))
            ShowPage(item->url());
    });
    connect(engine.contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        tvContents->expandAll();
        SelectInContents(CurrentPage());
    });

    auto* indexPage = new QWidget(this);
    edtIndex = new QLineEdit(indexPage);
    edtIndex->setObjectName(QStringLiteral("edtIndex"));
    edtIndex->setPlaceholderText(tr("Type a keyword"));
    edtIndex->setClearButtonEnabled(true);
    lbIndex = new QListView(indexPage);
    lbIndex->setObjectName(QStringLiteral("lbIndex"));
    lbIndex->setModel(engine.indexModel());
    lbIndex->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(edtIndex);
    indexLayout->addWidget(lbIndex);
    connect(edtIndex, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QModelIndex found = Engine_.indexModel()->filter(text);
        if (found.isValid())
            lbIndex->setCurrentIndex(found);
    });
    connect(edtIndex, &QLineEdit::returnPressed, this, [this] { ShowKeyword(lbIndex->currentIndex()); });
    connect(lbIndex, &QListView::activated, this, &THelpWindow::ShowKeyword);
    connect(lbIndex, &QListView::clicked, this, &THelpWindow::ShowKeyword);

    auto* searchPage = new QWidget(this);
    edtSearch = new QLineEdit(searchPage);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    edtSearch->setPlaceholderText(tr("Words to find"));
    btnSearch = new QPushButton(tr("&Search"), searchPage);
    lbResults = new QListWidget(searchPage);
    lbResults->setObjectName(QStringLiteral("lbResults"));
    auto* searchLine = new QHBoxLayout;
    searchLine->addWidget(edtSearch);
    searchLine->addWidget(btnSearch);
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->addLayout(searchLine);
    searchLayout->addWidget(lbResults);
    connect(btnSearch, &QPushButton::clicked, this, [this] { Search(edtSearch->text()); });
    connect(edtSearch, &QLineEdit::returnPressed, this, [this] { Search(edtSearch->text()); });
    connect(lbResults, &QListWidget::itemActivated, this,
        [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toUrl()); });
    connect(lbResults, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toUrl()); });
    connect(engine.searchEngine(), &QHelpSearchEngine::searchingFinished, this, &THelpWindow::ShowResults);

    pcNavigation = new QTabWidget(this);
    pcNavigation->setObjectName(QStringLiteral("pcNavigation"));
    pcNavigation->addTab(tvContents, tr("&Contents"));
    pcNavigation->addTab(indexPage, tr("&Index"));
    pcNavigation->addTab(searchPage, tr("Sea&rch"));
    // The pane is never narrower than its tabs, in any language.
    pcNavigation->setUsesScrollButtons(false);
    // A screen reader names each pane's list after its tab, and the boxes after their hints.
    const auto tab = [this](int i) { return pcNavigation->tabText(i).remove(QLatin1Char('&')); };
    tvContents->setAccessibleName(tab(0));
    lbIndex->setAccessibleName(tab(1));
    lbResults->setAccessibleName(tab(2));
    edtIndex->setAccessibleName(edtIndex->placeholderText());
    edtSearch->setAccessibleName(edtSearch->placeholderText());
    Browser->setAccessibleName(windowTitle());

    auto* splitter = new QSplitter(this);
    splitter->addWidget(pcNavigation);
    splitter->addWidget(Browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ 280, 580 });
    setCentralWidget(splitter);

    QToolBar* bar = addToolBar(tr("Navigation"));
    NameToolBarExtension(bar);
    bar->setMovable(false);
    QAction* back = bar->addAction(tr("Back"), Browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setEnabled(false);
    QAction* forward = bar->addAction(tr("Forward"), Browser, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    forward->setEnabled(false);
    bar->addAction(tr("Contents"), this,
        [this] { ShowPage(THelpSystem::PageUrl(QString::fromUtf8(HelpContentsPage))); });
    connect(Browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, &THelpWindow::SelectInContents);
    connect(Browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = Browser->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Velmoria Help") : tr("Velmoria Help - %1").arg(title));
    });

    connect(engine.searchEngine(), &QHelpSearchEngine::indexingFinished, this, &THelpWindow::IndexReady);
    // The indexer gives up without a word on a collection it cannot open: search all the same.
    QTimer::singleShot(IndexPatienceMs, this, &THelpWindow::IndexReady);
    engine.searchEngine()->scheduleIndexDocumentation();
}

void THelpWindow::IndexReady()
{
    if (Indexed_)
        return;
    Indexed_ = true;
    if (!PendingSearch_.isEmpty())
        Search(std::exchange(PendingSearch_, QString()));
}

void THelpWindow::ShowPage(const QUrl& url)
{
    if (url.isValid())
        Browser->setSource(url);
}

QUrl THelpWindow::CurrentPage() const
{
    return Browser->source();
}

void THelpWindow::Search(const QString& text)
{
    if (text.trimmed().isEmpty())
        return;
    if (!Indexed_) {
        PendingSearch_ = text;
        lbResults->clear();
        lbResults->addItem(tr("Preparing the search index..."));
        return;
    }
    Engine_.searchEngine()->search(text);
}

void THelpWindow::SelectInContents(const QUrl& url)
{
    // The contents list whole pages; a section selects its page.
    const QString page = WithoutFragment(url).toString();
    QHelpContentModel* model = Engine_.contentModel();
    std::function<QModelIndex(const QModelIndex&)> find = [&](const QModelIndex& parent) -> QModelIndex {
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex index = model->index(row, 0, parent);
            const QHelpContentItem* item = model->contentItemAt(index);
            if (item && WithoutFragment(item->url()).toString() == page)
                return index;
            if (const QModelIndex inner = find(index); inner.isValid())
                return inner;
        }
        return {};
    };
    if (const QModelIndex index = find(QModelIndex()); index.isValid())
        tvContents->setCurrentIndex(index);
}

void THelpWindow::ShowKeyword(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const QList<QHelpLink> links = Engine_.documentsForKeyword(index.data().toString());
    if (!links.isEmpty())
        ShowPage(links.first().url);
}

void THelpWindow::ShowResults(int count)
{
    lbResults->clear();
    for (const QHelpSearchResult& result : Engine_.searchEngine()->searchResults(0, count)) {
        auto* item = new QListWidgetItem(result.title(), lbResults);
        item->setData(Qt::UserRole, result.url());
        item->setToolTip(result.snippet());
    }
    if (count == 0)
        lbResults->addItem(tr("Nothing found."));
}

// ---- THelpSystem ------------------------------------------------------------------------------

THelpSystem::THelpSystem(QString helpFile, QString cacheFolder)
    : HelpFile_(std::move(helpFile))
    , CacheFolder_(cacheFolder.isEmpty()
              ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/help")
              : std::move(cacheFolder))
{
}

THelpSystem::~THelpSystem()
{
    // The window's views show the engine's models, so it goes first.
    Window_.reset();
    Engine_.reset();
}

QUrl THelpSystem::PageUrl(const QString& page)
{
    QUrl url(HelpScheme + QStringLiteral("://") + HelpNamespace + QLatin1Char('/') + HelpFolder
        + QLatin1Char('/') + page);
    return url;
}

void THelpSystem::Report(const QString& message)
{
    if (Reported_)
        return;
    Reported_ = true;
    ShowMessageBox(message.arg(HelpFile_), QStringLiteral("Velmoria"), QMessageBox::Ok, QMessageBox::Warning);
}

bool THelpSystem::Open()
{
    if (Engine_)
        return true;
    const QFileInfo file(HelpFile_);
    if (!file.isFile()) {
        Report(tr("Help is not available: the help file %1 cannot be found."));
        return false;
    }
    if (QHelpEngineCore::namespaceName(file.canonicalFilePath()) != HelpNamespace) {
        Report(tr("Help is not available: the help file %1 cannot be read."));
        return false;
    }
    const QString collection = CollectionFile(file, CacheFolder_);
    // Two copies starting for the first time would both create the register at once.
    QLockFile lock(collection + QStringLiteral(".lock"));
    lock.setStaleLockTime(RegisterLockStaleMs);
    (void)lock.tryLock(RegisterLockWaitMs); // a copy that hangs holding it does not stop help
    auto engine = std::make_unique<QHelpEngine>(collection);
    // The collection is ours to write (the engine starts read-only); the help file is only read.
    engine->setReadOnly(false);
    engine->setUsesFilterEngine(true);
    if (!engine->setupData()) {
        Report(tr("Help is not available: the help file %1 cannot be opened (%2).")
                   .arg(QStringLiteral("%1"), engine->error()));
        return false;
    }
    if (engine->documentationFileName(HelpNamespace) != file.canonicalFilePath()) {
        engine->unregisterDocumentation(HelpNamespace);
        if (!engine->registerDocumentation(file.canonicalFilePath())) {
            Report(tr("Help is not available: the help file %1 cannot be opened (%2).")
                       .arg(QStringLiteral("%1"), engine->error()));
            return false;
        }
    }
    Engine_ = std::move(engine);
    return true;
}

QHelpEngine* THelpSystem::Engine()
{
    return Open() ? Engine_.get() : nullptr;
}

QUrl THelpSystem::ContextUrl(int context, int controlContext)
{
    if (!Open())
        return {};
    const THelpTopic* topic = FindHelpTopic(context);
    if (!topic)
        return PageUrl(QString::fromUtf8(HelpContentsPage));
    QUrl url = PageUrl(QString::fromUtf8(topic->Page));
    if (controlContext != 0 && !url.hasFragment()) {
        const QString anchor = QStringLiteral("c%1").arg(controlContext);
        const QByteArray page = Engine_->fileData(url);
        if (page.contains("id=\"" + anchor.toLatin1() + '"'))
            url.setFragment(anchor);
    }
    return url;
}

void THelpSystem::Show(const QUrl& url)
{
    if (!url.isValid())
        return;
    if (!Window_)
        Window_ = std::make_unique<THelpWindow>(*Engine_);
    Window_->ShowPage(url);
    Window_->show();
    Window_->raise();
    Window_->activateWindow();
}

void THelpSystem::ShowContext(int context, int controlContext)
{
    if (context != 0)
        Show(ContextUrl(context, controlContext));
}

void THelpSystem::ShowContents()
{
    if (Open())
        Show(PageUrl(QString::fromUtf8(HelpContentsPage)));
}

void THelpSystem::Close()
{
    if (Window_)
        Window_->close();
}
