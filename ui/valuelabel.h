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

    void setValue(const QString& value)
    {
        setText(value);
        setAccessibleName(what_ + QStringLiteral(": ") + value);
    }

    const QString& what() const { return what_; }

private:
    QString what_;
};

} // namespace velkor::ui
