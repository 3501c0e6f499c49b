#include "anchoredlabel.h"

namespace velkor::ui {

AnchoredLabel::AnchoredLabel(const QRect& box, Anchor anchor, QWidget* parent)
    : QLabel(parent), box_(box), anchor_(anchor)
{
    setGeometry(box_);
}

void AnchoredLabel::setCaption(const QString& text)
{
    if (text == this->text())
        return;
    setText(text);
    fit();
    name();
}

void AnchoredLabel::setDescription(const QString& what)
{
    what_ = what;
    name();
}

void AnchoredLabel::name()
{
    if (what_.isEmpty())
        return;
    const QString said = what_ + QStringLiteral(": ") + text().trimmed();
    if (said == accessibleName())
        return;
    setAccessibleName(said);   // which tells a screen reader that the name changed
}

void AnchoredLabel::fit()
{
    if (anchor_ == Anchor::None)
        return;
    const QSize size = text().isEmpty() ? QSize(box_.width(), box_.height()) : sizeHint();
    int x = box_.left();
    if (anchor_ == Anchor::Right)
        x = box_.left() + box_.width() - size.width();
    else if (anchor_ == Anchor::Centre)
        x = box_.left() + (box_.width() - size.width()) / 2;
    setGeometry(x, box_.top(), size.width(), size.height());
}

} // namespace velkor::ui
