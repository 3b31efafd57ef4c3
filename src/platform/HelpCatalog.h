#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// One help page as read from the resources.
struct HelpPage {
    QString fileName;     // "getting-started.html"
    QString title;        // the page's <title>
    QString plainText;    // what the reader sees, for the search
    QStringList keywords; // the page's index words
    QStringList links;    // the href of every link on the page, in page order
};

// A line of the help index: a word and the page it leads to.
struct HelpIndexEntry {
    QString label; // the word, with the page title when the word leads to several pages
    QString keyword;
    QString fileName;
};

// The help pages compiled into the program, with their contents list, index, search and the
// topic numbers that the menus and the first-run prompt ask for.
class HelpCatalog {
public:
    static inline const QString ContentsPage = QStringLiteral("contents.html");
    static inline const QString GettingStartedPage = QStringLiteral("getting-started.html");

    HelpCatalog();

    const QList<HelpPage>& pages() const { return m_pages; }
    const HelpPage* page(const QString& fileName) const;
    bool contains(const QString& fileName) const { return page(fileName) != nullptr; }

    // The address a browser loads for a page.
    static QUrl urlOf(const QString& fileName);
    // The page file name of an address, or an empty string when it is not a help page.
    QString pageOf(const QUrl& url) const;

    // The contents page, then the pages it links to, in its order.
    QList<const HelpPage*> contents() const;
    // Every keyword of every page, sorted without regard to case.
    QList<HelpIndexEntry> index() const;
    // The pages whose text holds every word of `words` (case ignored), sorted by title.
    QList<const HelpPage*> search(const QString& words) const;
    // The page of a topic number; the contents page for a number without a page.
    QString pageForContext(int contextId) const;

private:
    QList<HelpPage> m_pages;
};
