#pragma once
// The program's help layer: settings given one at a time, then a call that
// shows the help file in a help window of the program.

#include <QPointer>
#include <QString>
#include <QTextBrowser>

namespace velkor::ui {

class HelpViewer {
public:
    /// Show the named help file, opening it if it is not already shown.
    static constexpr qint16 forcefile = 9;

    /// `owner`: the window the help window opens over, and takes its icon from.
    explicit HelpViewer(QWidget* owner) : owner_(owner) {}
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;
    ~HelpViewer() { delete window_; }   // the help window goes with its owner

    void setColor(quint32 bgr) { color_ = bgr; }   ///< 0x00BBGGRR; not shown anywhere
    quint32 color() const { return color_; }
    void setFlag(bool) {}                          ///< taken for the caller's sake; changes nothing
    void setHelpCommand(qint16 command) { command_ = command; }
    void setHelpFile(const QString& name) { file_ = name; }   ///< a name without a directory

    /// Carries out the help command: with forcefile, shows the help file in
    /// the help window, bringing an open one to the front. The help files
    /// are built into the program, so help needs no file beside it.
    void showHelp();

    /// The help window, once shown; null before.
    QTextBrowser* window() const { return window_; }

private:
    QWidget* owner_;
    quint32 color_ = 0;
    qint16 command_ = 0;
    QString file_;
    QPointer<QTextBrowser> window_;
};

} // namespace velkor::ui
