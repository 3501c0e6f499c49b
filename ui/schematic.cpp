#include "schematic.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace velkor::ui {
namespace {

// Sizes in logical pixels: one grid step, the margin round the grid (room
// for the labels), and a resistor's symbol, a box along its stroke.
constexpr double gridStep = 64;
constexpr double margin = 40;
constexpr double bodyLength = 36;
constexpr double bodyWidth = 12;
constexpr double terminalRadius = 4;
constexpr double groundWidth = 24;
constexpr double groundGap = 5;
constexpr double labelGap = 8;

} // namespace

Schematic::Schematic(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Schematic"));
    setPad(PadKind::pi, {50, 50}, {});
}

void Schematic::setPad(PadKind kind, Ports ports, const QStringList& codes)
{
    kind_ = kind;
    ports_ = ports;
    drawing_ = drawn(kind, ports);
    codes_ = codes;
    QStringList described;
    const auto& resistors = resistorsOf(kind, ports);
    for (std::size_t i = 0; i < resistors.size(); ++i) {
        QString line = QStringLiteral("R%1 %2").arg(i + 1).arg(QString::fromUtf8(resistors[i].role.data(),
                                                                             qsizetype(resistors[i].role.size())));
        if (qsizetype(i) < codes.size())
            line += QStringLiteral(" ") + codes[qsizetype(i)];
        described << line;
    }
    setAccessibleDescription(described.join(QStringLiteral(", ")));
    updateGeometry();
    update();
}

QSize Schematic::sizeHint() const
{
    int right = 0, bottom = 0;
    for (const auto* strokes : {&drawing_.resistors, &drawing_.wires})
        for (const Stroke& s : *strokes) {
            right = std::max({right, s.from.x, s.to.x});
            bottom = std::max({bottom, s.from.y, s.to.y});
        }
    return QSizeF(2 * margin + right * gridStep, 2 * margin + bottom * gridStep + groundGap * 3).toSize();
}

QPointF Schematic::at(GridPoint g) const { return {margin + g.x * gridStep, margin + g.y * gridStep}; }

QRectF Schematic::body(std::size_t i) const
{
    const Stroke& s = drawing_.resistors[i];
    const QPointF centre = (at(s.from) + at(s.to)) / 2;
    const bool vertical = s.from.x == s.to.x;
    const QSizeF size = vertical ? QSizeF(bodyWidth, bodyLength) : QSizeF(bodyLength, bodyWidth);
    return {centre - QPointF(size.width() / 2, size.height() / 2), size};
}

void Schematic::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    p.setPen(QPen(ink, 1.5));
    for (const Stroke& s : drawing_.wires)
        p.drawLine(at(s.from), at(s.to));
    for (std::size_t i = 0; i < drawing_.resistors.size(); ++i) {
        const Stroke& s = drawing_.resistors[i];
        const QRectF box = body(i);
        const bool vertical = s.from.x == s.to.x;
        // Leads from each end to the box.
        const QPointF a = at(s.from), b = at(s.to);
        const bool aFirst = vertical ? a.y() < b.y() : a.x() < b.x();
        const QPointF first = aFirst ? a : b, last = aFirst ? b : a;
        p.drawLine(first, vertical ? QPointF(first.x(), box.top()) : QPointF(box.left(), first.y()));
        p.drawLine(last, vertical ? QPointF(last.x(), box.bottom()) : QPointF(box.right(), last.y()));
        p.fillRect(box, palette().color(QPalette::Base));
        p.drawRect(box);
        QString label = QStringLiteral("R%1").arg(i + 1);
        if (qsizetype(i) < codes_.size())
            label += QStringLiteral("\n") + codes_[qsizetype(i)];
        const QFontMetricsF m(font());
        const double width = 6 * m.averageCharWidth() + labelGap, height = 2 * m.height();
        const QRectF text = vertical ? QRectF(box.right() + labelGap, box.center().y() - height / 2, width, height)
                                     : QRectF(box.center().x() - width / 2, box.top() - height - 2, width, height);
        p.drawText(text, (vertical ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter, label);
    }
    p.setBrush(ink);
    std::vector<GridPoint> terminals = drawing_.furtherOutputs;
    terminals.insert(terminals.end(), {drawing_.in, drawing_.out});
    if (drawing_.balanced)
        terminals.insert(terminals.end(), {drawing_.inMinus, drawing_.outMinus});
    for (GridPoint g : terminals)
        p.drawEllipse(at(g), terminalRadius, terminalRadius);
    p.setBrush(Qt::NoBrush);
    if (drawing_.balanced)   // balanced ports: nothing of the pad is grounded
        return;
    const QPointF g = at(drawing_.ground);
    for (int line = 0; line < 3; ++line) {
        const double half = groundWidth / 2 - line * groundWidth / 6, y = g.y() + groundGap * (line + 1);
        p.drawLine(QPointF(g.x() - half, y), QPointF(g.x() + half, y));
    }
    p.drawLine(g, QPointF(g.x(), g.y() + groundGap));
}

bool Schematic::event(QEvent* e)
{
    if (e->type() != QEvent::ToolTip)
        return QWidget::event(e);
    const auto* help = static_cast<QHelpEvent*>(e);
    const auto& resistors = resistorsOf(kind_, ports_);
    for (std::size_t i = 0; i < drawing_.resistors.size(); ++i)
        if (body(i).adjusted(-labelGap, -labelGap, labelGap, labelGap).contains(help->pos())) {
            const std::string_view role = resistors[i].role;
            QToolTip::showText(help->globalPos(), QString::fromUtf8(role.data(), qsizetype(role.size())), this);
            return true;
        }
    QToolTip::hideText();
    e->ignore();
    return true;
}

} // namespace velkor::ui
