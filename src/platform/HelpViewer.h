#pragma once

#include "HelpCatalog.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTextBrowser;

// The help window ("frmHelp"): the pages on the right, and Contents, Index and Search tabs on
// the left. One window per main window: it is a child of the caller's window and is shown again,
// not made again, by the next help command.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    enum class Tab { Contents, Index, Search };

    explicit HelpViewer(QWidget* parent = nullptr);

    // The help commands of the menus and the first-run prompt. Each shows the help window of
    // `parent`'s window, or hands the command to the test seam when one is set.
    static void showContents(QWidget* parent);
    static void showIndex(QWidget* parent);
    static void showSearch(QWidget* parent);
    static void showContext(int contextId, QWidget* parent);

    // The help window of `parent`'s window (a window of its own when `parent` is null), made on
    // first use.
    static HelpViewer* viewerFor(QWidget* parent);

    const HelpCatalog& catalog() const { return m_catalog; }
    // Shows a page by its file name; the contents page when there is no such page.
    void openPage(const QString& fileName);
    // The file name of the page shown.
    QString currentPage() const;

private:
    void showTab(Tab tab);
    QWidget* makeContentsTab();
    QWidget* makeIndexTab();
    QWidget* makeSearchTab();
    void fillContents();
    void fillIndex();
    void filterIndex(const QString& text);
    void openFirstIndexEntry();
    void runSearch();
    void openItem(const QListWidgetItem* item);
    void followLink(const QUrl& url);
    void markContentsItem(const QUrl& url);
    void present(Tab tab);

    HelpCatalog m_catalog;
    QTabWidget* m_tabs = nullptr;
    QListWidget* m_contents = nullptr;
    QLineEdit* m_indexFilter = nullptr;
    QListWidget* m_index = nullptr;
    QLineEdit* m_searchText = nullptr;
    QPushButton* m_searchButton = nullptr;
    QLabel* m_searchStatus = nullptr;
    QListWidget* m_searchResults = nullptr;
    QTextBrowser* m_browser = nullptr;
};
