#pragma once

#include <QLabel>

namespace velkor::ui {

/// A result of the pad designer: shows its value, and tells a screen reader
/// "what: value". Its object name is its "what".
class ValueLabel : public QLabel {
public:
    ValueLabel(const QString& what, QWidget* parent) : QLabel(parent), what_(what)
    {
        setObjectName(what);
        setTextFormat(Qt::PlainText);
    }

    /// Shows `value`. A `note` ("over its 0.100 W rating") marks it in the
    /// colour of the window's refusals and with a sign, so that colour is
    /// not all that tells it, and a screen reader reads it after the value.
    void setValue(const QString& value, const QString& note = {})
    {
        const bool marked = !note.isEmpty();
        setText(marked ? value + QStringLiteral(" \u26a0") : value);
        setAccessibleName(what_ + QStringLiteral(": ") + value + (marked ? QStringLiteral(", ") + note : QString()));
        if (marked != marked_)
            setStyleSheet(marked ? QStringLiteral("color: #d02020") : QString());
        marked_ = marked;
    }

    const QString& what() const { return what_; }

private:
    QString what_;
    bool marked_ = false;
};

} // namespace velkor::ui
