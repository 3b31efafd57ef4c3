#include "HelpCatalog.h"

#include "Resources.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <optional>

namespace {

const QString HelpFolder = QStringLiteral(":/help");

struct ContextTopic {
    int contextId;
    const char* fileName;
};

// The topic numbers the program asks for: 1 by Help > Contents, 3 by the first-run prompt.
constexpr ContextTopic ContextTopics[] = {
    {1, "contents.html"},
    {3, "getting-started.html"},
};

QStringList keywordsOf(const QString& html) {
    static const QRegularExpression meta(
        QStringLiteral(R"re(<meta\s+name="keywords"\s+content="([^"]*)")re"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList keywords;
    const QRegularExpressionMatch match = meta.match(html);
    if (!match.hasMatch())
        return keywords;
    for (const QString& word : match.captured(1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!word.trimmed().isEmpty())
            keywords.append(word.trimmed());
    }
    return keywords;
}

QStringList linksOf(const QTextDocument& document) {
    QStringList links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty() &&
                (links.isEmpty() || links.constLast() != format.anchorHref()))
                links.append(format.anchorHref());
        }
    }
    return links;
}

std::optional<HelpPage> readPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString html = QString::fromUtf8(file.readAll());
    QTextDocument document;
    document.setHtml(html);
    return HelpPage{QFileInfo(path).fileName(),
                    document.metaInformation(QTextDocument::DocumentTitle).trimmed(),
                    document.toPlainText(), keywordsOf(html), linksOf(document)};
}

} // namespace

HelpCatalog::HelpCatalog() {
    Resources::init();
    const QStringList files =
        QDir(HelpFolder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString& fileName : files) {
        if (std::optional<HelpPage> page = readPage(HelpFolder + QLatin1Char('/') + fileName))
            m_pages.append(std::move(*page));
    }
}

const HelpPage* HelpCatalog::page(const QString& fileName) const {
    for (const HelpPage& candidate : m_pages) {
        if (candidate.fileName == fileName)
            return &candidate;
    }
    return nullptr;
}

QUrl HelpCatalog::urlOf(const QString& fileName) {
    return QUrl(QStringLiteral("qrc:/help/") + fileName);
}

QString HelpCatalog::pageOf(const QUrl& url) const {
    if (url.scheme() != QLatin1String("qrc"))
        return {};
    const QFileInfo path(url.path());
    if (path.path() != QLatin1String("/help") || !contains(path.fileName()))
        return {};
    return path.fileName();
}

QList<const HelpPage*> HelpCatalog::contents() const {
    QList<const HelpPage*> topics;
    const HelpPage* start = page(ContentsPage);
    if (!start)
        return topics;
    topics.append(start);
    for (const QString& link : start->links) {
        const HelpPage* topic = page(pageOf(urlOf(ContentsPage).resolved(QUrl(link))));
        if (topic && !topics.contains(topic))
            topics.append(topic);
    }
    return topics;
}

QList<HelpIndexEntry> HelpCatalog::index() const {
    QList<HelpIndexEntry> entries;
    for (const HelpPage& page : m_pages) {
        for (const QString& keyword : page.keywords)
            entries.append({keyword, keyword, page.fileName});
    }
    // A word that leads to several pages names the page on each of its lines.
    QHash<QString, int> pagesPerWord;
    for (const HelpIndexEntry& entry : entries)
        ++pagesPerWord[entry.keyword.toCaseFolded()];
    for (HelpIndexEntry& entry : entries) {
        if (pagesPerWord.value(entry.keyword.toCaseFolded()) > 1)
            entry.label = QStringLiteral("%1 (%2)").arg(entry.keyword, page(entry.fileName)->title);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(entries.begin(), entries.end(),
              [&](const HelpIndexEntry& a, const HelpIndexEntry& b) {
                  return collator.compare(a.label, b.label) < 0;
              });
    return entries;
}

QList<const HelpPage*> HelpCatalog::search(const QString& words) const {
    QList<const HelpPage*> found;
    const QStringList wanted =
        words.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (wanted.isEmpty())
        return found;
    for (const HelpPage& page : m_pages) {
        const auto onPage = [&](const QString& word) {
            return page.plainText.contains(word, Qt::CaseInsensitive);
        };
        if (std::all_of(wanted.cbegin(), wanted.cend(), onPage))
            found.append(&page);
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(found.begin(), found.end(), [&](const HelpPage* a, const HelpPage* b) {
        return collator.compare(a->title, b->title) < 0;
    });
    return found;
}

QString HelpCatalog::pageForContext(int contextId) const {
    for (const ContextTopic& topic : ContextTopics) {
        const QString fileName = QString::fromLatin1(topic.fileName);
        if (topic.contextId == contextId && contains(fileName))
            return fileName;
    }
    return ContentsPage;
}
