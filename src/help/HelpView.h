#pragma once

#include <QTextBrowser>

namespace tavrelion::help {

// The browser part of the help window. It shows the manual's pages and other local HTML files,
// images and text files, and the manual's search page ("search:" addresses). An address it
// cannot show gives a page that says why, so a broken link never leaves the window blank.
class HelpView : public QTextBrowser {
    Q_OBJECT
  public:
    // helpFolder holds the manual's pages, the ones the search page looks through.
    explicit HelpView(QString helpFolder, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

    // Whether a page is being loaded. Local pages load at once, so this holds only while the
    // browser is inside a navigation.
    bool busy() const { return busy_; }

    // The address as the address box shows it: a local file as its path.
    static QString DisplayAddress(const QUrl& url);

  protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

  private:
    QVariant pageFor(const QUrl& url) const;
    QString searchPage(const QUrl& url) const;

    QString helpFolder_;
    bool busy_ = false;
};

}  // namespace tavrelion::help
