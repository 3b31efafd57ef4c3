#include "HelpViewer.h"

#include "LiteralText.h"
#include "Resources.h"
#include "Seams.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QString ViewerName = QStringLiteral("frmHelp");
constexpr int PageRole = Qt::UserRole;
constexpr int KeywordRole = Qt::UserRole + 1;

// Hands a help command to the test seam; true when a test took it.
bool handledBySeam(const QString& command, int context) {
    if (!seams().help)
        return false;
    seams().help(command, context);
    return true;
}

// A list of page titles or index words; long lines wrap instead of scrolling sideways.
QListWidget* topicList(const QString& objectName) {
    auto* list = new QListWidget;
    list->setObjectName(objectName);
    list->setWordWrap(true);
    list->setTextElideMode(Qt::ElideNone);
    list->setResizeMode(QListView::Adjust);
    list->setStyleSheet(QStringLiteral("QListWidget::item { padding: 2px 1px; }"));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

// The help of a main window stays in front of it, as a dialog-type window: the window manager
// keeps one above the program's windows, also when it raises the main window with each wizard
// page, which at first run would bury the tutorial behind the main window.
Qt::WindowFlags windowFlagsFor(const QWidget* owner) {
    if (!owner)
        return Qt::Window;
    return Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
}

QListWidgetItem* pageItem(const QString& text, const QString& fileName) {
    auto* item = new QListWidgetItem(text);
    item->setData(PageRole, fileName);
    return item;
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, windowFlagsFor(parent)) {
    setObjectName(ViewerName);
    setWindowTitle(tr("Periwell Help"));
    setWindowIcon(Resources::icon(QStringLiteral("help")));
    resize(780, 540);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("tsHelp"));
    m_tabs->addTab(makeContentsTab(), tr("&Contents"));
    m_tabs->addTab(makeIndexTab(), tr("&Index"));
    m_tabs->addTab(makeSearchTab(), tr("&Search"));

    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("txtTopic"));
    // Links are followed here so that a link to a missing page shows the contents instead.
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::markContentsItem);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 540});
    splitter->setChildrenCollapsible(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter);

    fillContents();
    fillIndex();
    openPage(HelpCatalog::ContentsPage);
}

QWidget* HelpViewer::makeContentsTab() {
    m_contents = topicList(QStringLiteral("lstContents"));
    connect(m_contents, &QListWidget::itemClicked, this, &HelpViewer::openItem);
    connect(m_contents, &QListWidget::itemActivated, this, &HelpViewer::openItem);
    return m_contents;
}

QWidget* HelpViewer::makeIndexTab() {
    auto* tab = new QWidget;
    m_indexFilter = new QLineEdit;
    m_indexFilter->setObjectName(QStringLiteral("txtIndexFilter"));
    m_indexFilter->setPlaceholderText(tr("Type a word to look up"));
    m_indexFilter->setClearButtonEnabled(true);
    m_index = topicList(QStringLiteral("lstIndex"));
    connect(m_indexFilter, &QLineEdit::textChanged, this, &HelpViewer::filterIndex);
    connect(m_indexFilter, &QLineEdit::returnPressed, this, &HelpViewer::openFirstIndexEntry);
    connect(m_index, &QListWidget::itemActivated, this, &HelpViewer::openItem);

    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_indexFilter);
    layout->addWidget(m_index);
    return tab;
}

QWidget* HelpViewer::makeSearchTab() {
    auto* tab = new QWidget;
    m_searchText = new QLineEdit;
    m_searchText->setObjectName(QStringLiteral("txtSearch"));
    m_searchText->setPlaceholderText(tr("Words to find"));
    m_searchButton = new QPushButton(tr("&Find"));
    m_searchButton->setObjectName(QStringLiteral("cmdSearch"));
    m_searchStatus = LiteralText::label(QString(), nullptr);
    m_searchStatus->setObjectName(QStringLiteral("lblSearchStatus"));
    m_searchResults = topicList(QStringLiteral("lstSearchResults"));
    connect(m_searchText, &QLineEdit::returnPressed, this, &HelpViewer::runSearch);
    connect(m_searchButton, &QPushButton::clicked, this, &HelpViewer::runSearch);
    connect(m_searchResults, &QListWidget::itemActivated, this, &HelpViewer::openItem);

    auto* row = new QHBoxLayout;
    row->addWidget(m_searchText, 1);
    row->addWidget(m_searchButton);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(row);
    layout->addWidget(m_searchStatus);
    layout->addWidget(m_searchResults);
    return tab;
}

void HelpViewer::fillContents() {
    for (const HelpPage* page : m_catalog.contents())
        m_contents->addItem(pageItem(page->title, page->fileName));
}

void HelpViewer::fillIndex() {
    for (const HelpIndexEntry& entry : m_catalog.index()) {
        QListWidgetItem* item = pageItem(entry.label, entry.fileName);
        item->setData(KeywordRole, entry.keyword);
        m_index->addItem(item);
    }
}

void HelpViewer::filterIndex(const QString& text) {
    const QString wanted = text.trimmed();
    for (int row = 0; row < m_index->count(); ++row) {
        QListWidgetItem* item = m_index->item(row);
        item->setHidden(!item->data(KeywordRole).toString().contains(wanted, Qt::CaseInsensitive));
    }
}

void HelpViewer::openFirstIndexEntry() {
    for (int row = 0; row < m_index->count(); ++row) {
        QListWidgetItem* item = m_index->item(row);
        if (!item->isHidden()) {
            m_index->setCurrentItem(item);
            openItem(item);
            return;
        }
    }
}

void HelpViewer::runSearch() {
    m_searchResults->clear();
    const QList<const HelpPage*> found = m_catalog.search(m_searchText->text());
    for (const HelpPage* page : found)
        m_searchResults->addItem(pageItem(page->title, page->fileName));
    if (m_searchText->text().trimmed().isEmpty())
        m_searchStatus->setText(tr("Type the words to find."));
    else if (found.isEmpty())
        m_searchStatus->setText(tr("No page holds these words."));
    else if (found.size() == 1)
        m_searchStatus->setText(tr("1 page found."));
    else
        m_searchStatus->setText(tr("%1 pages found.").arg(found.size()));
}

void HelpViewer::openItem(const QListWidgetItem* item) {
    if (item)
        openPage(item->data(PageRole).toString());
}

void HelpViewer::openPage(const QString& fileName) {
    const QString shown = m_catalog.contains(fileName) ? fileName : HelpCatalog::ContentsPage;
    if (shown != currentPage())
        m_browser->setSource(HelpCatalog::urlOf(shown));
}

QString HelpViewer::currentPage() const {
    return m_catalog.pageOf(m_browser->source());
}

void HelpViewer::followLink(const QUrl& url) {
    const QUrl target = m_browser->source().resolved(url);
    if (m_catalog.pageOf(target).isEmpty())
        openPage(HelpCatalog::ContentsPage);
    else
        m_browser->setSource(target);
}

void HelpViewer::markContentsItem(const QUrl& url) {
    const QString shown = m_catalog.pageOf(url);
    for (int row = 0; row < m_contents->count(); ++row) {
        if (m_contents->item(row)->data(PageRole).toString() == shown) {
            m_contents->setCurrentRow(row);
            return;
        }
    }
    m_contents->setCurrentRow(-1);
}

void HelpViewer::showTab(Tab tab) {
    m_tabs->setCurrentIndex(int(tab));
    switch (tab) {
    case Tab::Contents:
        m_contents->setFocus();
        break;
    case Tab::Index:
        m_indexFilter->setFocus();
        m_indexFilter->selectAll();
        break;
    case Tab::Search:
        m_searchText->setFocus();
        m_searchText->selectAll();
        break;
    }
}

void HelpViewer::present(Tab tab) {
    // Not the transient of its owner: a dialog that blocks the main window leaves the help open
    // to clicks and scrolling beside it, so a tutorial can be followed while a wizard runs.
    winId();
    windowHandle()->setTransientParent(nullptr);
    show();
    raise();
    activateWindow();
    showTab(tab);
}

HelpViewer* HelpViewer::viewerFor(QWidget* parent) {
    QWidget* owner = parent ? parent->window() : nullptr;
    if (owner) {
        if (auto* viewer = owner->findChild<HelpViewer*>(ViewerName, Qt::FindDirectChildrenOnly))
            return viewer;
        return new HelpViewer(owner);
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* viewer = qobject_cast<HelpViewer*>(window);
        if (viewer && !viewer->parentWidget())
            return viewer;
    }
    // Nobody owns a window without a parent, so it goes when it is closed.
    auto* viewer = new HelpViewer;
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    return viewer;
}

void HelpViewer::showContents(QWidget* parent) {
    if (handledBySeam(QStringLiteral("contents"), 0))
        return;
    HelpViewer* viewer = viewerFor(parent);
    viewer->openPage(HelpCatalog::ContentsPage);
    viewer->present(Tab::Contents);
}

void HelpViewer::showIndex(QWidget* parent) {
    if (handledBySeam(QStringLiteral("index"), 0))
        return;
    viewerFor(parent)->present(Tab::Index);
}

void HelpViewer::showSearch(QWidget* parent) {
    if (handledBySeam(QStringLiteral("search"), 0))
        return;
    viewerFor(parent)->present(Tab::Search);
}

void HelpViewer::showContext(int contextId, QWidget* parent) {
    if (handledBySeam(QStringLiteral("context"), contextId))
        return;
    HelpViewer* viewer = viewerFor(parent);
    viewer->openPage(viewer->catalog().pageForContext(contextId));
    viewer->present(Tab::Contents);
}
