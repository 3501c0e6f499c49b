#include "helpviewer.h"

#include <QFileInfo>

namespace velkor::ui {
namespace {

constexpr int helpwidth = 640;    ///< pixels
constexpr int helpheight = 520;   ///< pixels
constexpr const char* helpdir = ":/help/";   ///< where the build puts the help files

} // namespace

void HelpViewer::showHelp()
{
    if (command_ != forcefile)
        return;
    if (!window_) {
        window_ = new QTextBrowser;
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->setObjectName(QStringLiteral("helpwindow"));
        window_->resize(helpwidth, helpheight);
        if (owner_) {
            window_->setWindowIcon(owner_->windowIcon());
            window_->move(owner_->frameGeometry().center() - window_->rect().center());
        }
    }
    const QString path = QString::fromLatin1(helpdir) + file_;
    const QUrl url(QStringLiteral("qrc") + path);
    if (!QFileInfo(path).isFile()) {
        window_->setHtml(QStringLiteral("<title>Help file not found</title><h2>Help file not found</h2>"
                                        "<p>This program has no help file named <b>%1</b>.</p>")
                             .arg(file_.toHtmlEscaped()));
    } else if (window_->source() != url) {
        window_->setSource(url, QTextDocument::HtmlResource);
    }
    // The window's title is the document's own, so it tells which is shown.
    window_->setWindowTitle(window_->documentTitle());
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace velkor::ui
