#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <deque>

namespace tavrelion::help {
namespace {

const QString InstalledManual = QStringLiteral(TAVRELION_PROGRAM_DIR "/help");
const QString ManualSource = QStringLiteral(TAVRELION_SOURCE_DIR "/data/help");

QString ReadPage(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every href of a page: links between pages, anchors within them, the style sheet.
QStringList Hrefs(const QString& html) {
    QStringList hrefs;
    const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (auto match = href.globalMatch(html); match.hasNext();) {
        hrefs << match.next().captured(1);
    }
    return hrefs;
}

// The anchors a page offers, as the help window's browser reads them.
QSet<QString> AnchorNames(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    QSet<QString> names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            for (const QString& name : fragment.fragment().charFormat().anchorNames()) {
                names.insert(name);
            }
        }
    }
    return names;
}

TEST(ManualLinks, EveryLinkLeadsToAnExistingPageAndEveryPageIsReached) {
    const QDir manual(InstalledManual);
    ASSERT_TRUE(manual.exists(QStringLiteral("index.html"))) << "the build installs the manual";
    QSet<QString> reached{QStringLiteral("index.html")};
    std::deque<QString> pending{QStringLiteral("index.html")};
    int links = 0;
    while (!pending.empty()) {
        const QString page = pending.front();
        pending.pop_front();
        const QString html = ReadPage(manual.filePath(page));
        ASSERT_FALSE(html.isEmpty()) << page.toStdString();
        for (const QString& href : Hrefs(html)) {
            const QUrl url(href);
            if (url.scheme() == QStringLiteral("http") || url.scheme() == QStringLiteral("https")) {
                continue;
            }
            ++links;
            const QString target = url.path().isEmpty() ? page : url.path();
            const QString where = page + QStringLiteral(": ") + href;
            ASSERT_TRUE(manual.exists(target)) << where.toStdString();
            if (url.hasFragment()) {
                EXPECT_TRUE(AnchorNames(ReadPage(manual.filePath(target))).contains(url.fragment()))
                    << where.toStdString();
            }
            if (target.endsWith(QStringLiteral(".html")) && !reached.contains(target)) {
                reached.insert(target);
                pending.push_back(target);
            }
        }
    }
    EXPECT_GT(links, 100);
    for (const QString& page : manual.entryList({QStringLiteral("*.html")}, QDir::Files)) {
        EXPECT_TRUE(reached.contains(page)) << page.toStdString() << " is reached by no link";
    }
}

TEST(ManualLinks, TheProgramFolderHoldsTheWholeManual) {
    const QStringList source = QDir(ManualSource).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(QDir(InstalledManual).entryList(QDir::Files, QDir::Name), source);
    for (const QString& file : source) {
        EXPECT_EQ(ReadPage(InstalledManual + "/" + file), ReadPage(ManualSource + "/" + file))
            << file.toStdString();
    }
}

}  // namespace
}  // namespace tavrelion::help
