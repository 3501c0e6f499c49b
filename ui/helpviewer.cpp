#include "helpviewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velkor::ui {
namespace {

constexpr int helpwidth = 640;
constexpr int helpheight = 520;

} // namespace

QStringList HelpViewer::searchpath() const
{
    return {QCoreApplication::applicationDirPath(), QStringLiteral(VELKOR_DATADIR)};
}

void HelpViewer::showHelp()
{
    if (command_ != forcefile)
        return;
    if (!window_) {
        window_ = new QTextBrowser;
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->setObjectName(QStringLiteral("helpwindow"));
        window_->setWindowTitle(QStringLiteral("Velkor Help"));
        window_->setOpenExternalLinks(false);
        window_->resize(helpwidth, helpheight);
    }
    QString found;
    for (const QString& dir : searchpath()) {
        const QString path = QDir(dir).filePath(file_);
        if (QFileInfo(path).isFile()) {
            found = path;
            break;
        }
    }
    if (found.isEmpty()) {
        QString where;
        for (const QString& dir : searchpath())
            where += QStringLiteral("<li>%1</li>").arg(QDir::toNativeSeparators(dir).toHtmlEscaped());
        window_->setHtml(QStringLiteral("<h2>Help file not found</h2><p>Velkor looked for the help file "
                                        "<b>%1</b> in:</p><ul>%2</ul>")
                             .arg(file_.toHtmlEscaped(), where));
    } else if (window_->source() != QUrl::fromLocalFile(found)) {
        window_->setSource(QUrl::fromLocalFile(found), QTextDocument::HtmlResource);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace velkor::ui
