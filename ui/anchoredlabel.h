#pragma once

#include "layout.h"

#include <QLabel>
#include <QRect>

namespace velkor::ui {

/// A label that, when sized to its text, keeps one edge (or its centre) of
/// its designed box fixed as its caption changes length.
class AnchoredLabel : public QLabel {
public:
    /// `box` in pixels; with Anchor::None the label keeps the box.
    AnchoredLabel(const QRect& box, Anchor anchor, QWidget* parent);

    /// Replaces the caption and, when sized to text, the size and position.
    void setCaption(const QString& text);

    /// Says what the label shows, for a screen reader: its accessible name
    /// becomes "what: caption", kept current with every caption.
    void setDescription(const QString& what);

private:
    void fit();
    void name();

    QRect box_;
    Anchor anchor_;
    QString what_;
};

} // namespace velkor::ui
