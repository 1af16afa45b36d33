#include "help/HelpView.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "help/HelpSearch.h"

namespace tavrelion::help {
namespace {

constexpr qint64 LargestShownFile = 8 * 1024 * 1024;

QString Page(const QString& title, const QString& body) {
    return QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>")
        .arg(title.toHtmlEscaped(), body);
}

QString NotFoundPage(const QUrl& url) {
    const QString address = HelpView::DisplayAddress(url).toHtmlEscaped();
    return Page(QStringLiteral("Page not found"),
                QStringLiteral("<h1>Page not found</h1><p>There is no file at <tt>%1</tt>.</p>"
                               "<p>To look for words in the manual, type them into the address "
                               "box and press <b>Search</b>. If the manual's own pages are "
                               "missing, the program's <tt>help</tt> folder is incomplete: "
                               "install the program again.</p>")
                    .arg(address));
}

QString WebPage(const QUrl& url) {
    const QString address = url.toString().toHtmlEscaped();
    return Page(QStringLiteral("Web address"),
                QStringLiteral("<h1>Web address</h1><p>This window shows the program's manual and "
                               "files on this computer; it does not fetch pages from the "
                               "Internet. Click the address to open it in your web browser:</p>"
                               "<p><a href=\"%1\">%1</a></p>")
                    .arg(address));
}

QString TextPage(const QFileInfo& file, const QByteArray& bytes) {
    auto fromUtf8 = QStringDecoder(QStringDecoder::Utf8);
    QString text = fromUtf8(bytes);
    if (fromUtf8.hasError()) {
        text = QString::fromLatin1(bytes);
    }
    return Page(file.fileName(), QStringLiteral("<pre>%1</pre>").arg(text.toHtmlEscaped()));
}

bool IsImage(const QString& suffix) {
    static const QStringList images = {"gif", "jpg", "jpeg", "png", "bmp"};
    return images.contains(suffix.toLower());
}

}  // namespace

HelpView::HelpView(QString helpFolder, QWidget* parent)
    : QTextBrowser(parent), helpFolder_(std::move(helpFolder)) {
    setOpenExternalLinks(true);
}

QString HelpView::DisplayAddress(const QUrl& url) {
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

void HelpView::doSetSource(const QUrl& name, QTextDocument::ResourceType) {
    busy_ = true;
    QTextBrowser::doSetSource(name, QTextDocument::HtmlResource);
    busy_ = false;
}

QVariant HelpView::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::HtmlResource) {
        return QTextBrowser::loadResource(type, name);
    }
    return pageFor(name);
}

QString HelpView::searchPage(const QUrl& url) const {
    const QByteArray query = url.path(QUrl::FullyDecoded).toUtf8();
    const QByteArray folder = QFile::encodeName(helpFolder_);
    const auto hits = SearchHelpPages(folder.toStdString(), query.toStdString());
    const QString prefix =
        QUrl::fromLocalFile(helpFolder_ + QLatin1Char('/')).toString(QUrl::FullyEncoded);
    return QString::fromStdString(
        SearchResultsPage(query.toStdString(), hits, prefix.toStdString()));
}

QVariant HelpView::pageFor(const QUrl& url) const {
    if (url.scheme() == QStringLiteral("search")) {
        return searchPage(url);
    }
    if (!url.isLocalFile() && !url.scheme().isEmpty()) {
        return WebPage(url);
    }
    const QFileInfo file(url.isLocalFile() ? url.toLocalFile() : url.path());
    if (!file.isFile()) {
        return NotFoundPage(url);
    }
    const QString suffix = file.suffix().toLower();
    if (IsImage(suffix)) {
        return Page(file.fileName(), QStringLiteral("<img src=\"%1\">")
                                         .arg(QUrl::fromLocalFile(file.absoluteFilePath())
                                                  .toString(QUrl::FullyEncoded)
                                                  .toHtmlEscaped()));
    }
    QFile content(file.absoluteFilePath());
    if (file.size() > LargestShownFile || !content.open(QIODevice::ReadOnly)) {
        return Page(file.fileName(),
                    QStringLiteral("<h1>%1</h1><p>This file is too large or cannot be read.</p>")
                        .arg(file.fileName().toHtmlEscaped()));
    }
    const QByteArray bytes = content.readAll();
    if (suffix.startsWith(QStringLiteral("htm"))) {
        return bytes;
    }
    return TextPage(file, bytes);
}

}  // namespace tavrelion::help
