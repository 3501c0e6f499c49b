#include "responseplot.h"

#include "numtext.h"
#include "quantities.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace velkor::ui {
namespace {

// Room round each pane for the tick labels and titles, logical pixels.
constexpr double leftRoom = 64, rightRoom = 32, topRoom = 28, bottomRoom = 34, paneGap = 8;
constexpr double legendGap = 16, legendStroke = 20;
constexpr int ticksWanted = 6;
constexpr double tickLength = 4;
constexpr std::array<const char*, 5> prefixes = {"", "k", "M", "G", "T"};
constexpr double thousand = 1000;

QString dbText(double db) { return QString::fromStdString(decibelText(db)); }

} // namespace

std::vector<double> roundTicks(double low, double high, int wanted)
{
    const double raw = (high - low) / wanted;
    if (!(raw > 0) || !std::isfinite(raw))
        return {low};
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    // A step or tick within a billionth of a round value is that value: the
    // range's ends carry binary rounding.
    constexpr double slack = 1e-9;
    double step = decade;
    for (double factor : {2.0, 5.0, 10.0})
        if (step < raw * (1 - slack))
            step = decade * factor;
    const double nearly = step * slack;
    std::vector<double> out;
    for (double t = std::ceil(low / step) * step; t <= high + nearly; t += step)
        out.push_back(std::abs(t) < nearly ? 0 : t);
    return out;
}

QString frequencyTick(double hertz, double top)
{
    std::size_t prefix = 0;
    double scale = 1;
    while (prefix + 1 < prefixes.size() && std::abs(top) >= scale * thousand) {
        scale *= thousand;
        ++prefix;
    }
    // Six decimals of the prefixed unit hide the binary steps' rounding.
    return QString::fromStdString(shortest(std::round(hertz / scale * 1e6) / 1e6)) + QStringLiteral(" ") +
           QString::fromLatin1(prefixes[prefix]) + QStringLiteral("Hz");
}

// A pane: its title, its curves with their colours, the band or line it is
// held to, and its value range.
struct ResponsePlot::Pane {
    int index;
    QString title;
    struct Curve {
        const std::vector<double>* values;
        QColor colour;
        QString name;
        Qt::PenStyle style;
    };
    std::vector<Curve> curves;
    double bandLow, bandHigh;   // equal for a line
    double low, high;
};

ResponsePlot::ResponsePlot(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAccessibleName(QStringLiteral("Frequency response"));
}

void ResponsePlot::setResponse(Curves curves, const Limits& limits)
{
    curves_ = std::move(curves);
    limits_ = limits;
    if (pointed_ && *pointed_ >= curves_.hertz.size())
        pointed_.reset();
    update();
}

QString ResponsePlot::readout() const
{
    if (!pointed_)
        return {};
    const std::size_t i = *pointed_;
    return QString::fromStdString(hertzText(curves_.hertz[i])) + QStringLiteral(": insertion loss ") +
           dbText(curves_.insertionLoss[i]) + QStringLiteral(", return loss in ") +
           dbText(curves_.inputReturnLoss[i]) + QStringLiteral(", out ") + dbText(curves_.outputReturnLoss[i]);
}

QRectF ResponsePlot::plotArea(int pane) const
{
    const double height = (this->height() - paneGap) / 2;
    return QRectF(leftRoom, pane * (height + paneGap) + topRoom, width() - leftRoom - rightRoom,
                  height - topRoom - bottomRoom);
}

void ResponsePlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Base));
    if (curves_.hertz.empty())
        return;
    const auto range = [](std::initializer_list<const std::vector<double>*> series, double a, double b) {
        double low = std::min(a, b), high = std::max(a, b);
        for (const std::vector<double>* s : series) {
            const auto [mn, mx] = std::minmax_element(s->begin(), s->end());
            low = std::min(low, *mn);
            high = std::max(high, *mx);
        }
        return std::pair(low, high);
    };
    const double centre = limits_.insertionLossAtZero;
    const QColor loss = palette().color(QPalette::Link), in = QColor(0xd0, 0x40, 0x30), out = QColor(0x20, 0x90, 0x50);
    auto [ilLow, ilHigh] = range({&curves_.insertionLoss}, centre - 2 * limits_.flatness, centre + 2 * limits_.flatness);
    auto [rlLow, rlHigh] = range({&curves_.inputReturnLoss, &curves_.outputReturnLoss}, 0, 2 * limits_.leastReturnLoss);
    drawPane(p, {0, QStringLiteral("Insertion loss, dB"), {{&curves_.insertionLoss, loss, {}, Qt::SolidLine}},
                 centre - limits_.flatness, centre + limits_.flatness, ilLow, ilHigh});
    // The output's curve dashed: a symmetric pad's two lie on each other.
    drawPane(p, {1, QStringLiteral("Return loss, dB"),
                 {{&curves_.inputReturnLoss, in, QStringLiteral("input"), Qt::SolidLine},
                  {&curves_.outputReturnLoss, out, QStringLiteral("output"), Qt::DashLine}},
                 limits_.leastReturnLoss, limits_.leastReturnLoss, rlLow, rlHigh});
    if (pointed_) {
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRectF(leftRoom, 0, width() - leftRoom, topRoom - 10), Qt::AlignRight | Qt::AlignBottom, readout());
    }
}

void ResponsePlot::drawPane(QPainter& p, const Pane& pane) const
{
    const QRectF area = plotArea(pane.index);
    const double fLow = curves_.hertz.front(), fHigh = curves_.hertz.back();
    const std::vector<double> yTicks = roundTicks(pane.low, pane.high, ticksWanted / 2 + 1);
    const double yLow = std::min(pane.low, yTicks.front()), yHigh = std::max(pane.high, yTicks.back());
    // Losses grow downward, as a response is read.
    const auto x = [&](double f) { return area.left() + (f - fLow) / (fHigh - fLow) * area.width(); };
    const auto y = [&](double db) { return area.top() + (db - yLow) / (yHigh - yLow) * area.height(); };
    const QColor ink = palette().color(QPalette::Text), faint = palette().color(QPalette::Mid);

    p.setPen(ink);
    const QRectF titleBox(area.left(), area.top() - topRoom, area.width(), topRoom - 10);
    QRectF used;
    p.drawText(titleBox, Qt::AlignLeft | Qt::AlignBottom, pane.title, &used);
    // A key to the curves after the title: a stroke of each, and its name.
    double keyAt = used.right() + legendGap;
    for (const Pane::Curve& c : pane.curves) {
        if (c.name.isEmpty())
            continue;
        p.setPen(QPen(c.colour, 2, c.style));
        p.drawLine(QPointF(keyAt, used.center().y()), QPointF(keyAt + legendStroke, used.center().y()));
        p.setPen(ink);
        QRectF name;
        p.drawText(QRectF(keyAt + legendStroke + 4, titleBox.top(), titleBox.width(), titleBox.height()),
                   Qt::AlignLeft | Qt::AlignBottom, c.name, &name);
        keyAt = name.right() + legendGap;
    }
    p.setPen(QPen(faint, 1, Qt::DotLine));
    for (double t : yTicks) {
        p.drawLine(QPointF(area.left(), y(t)), QPointF(area.right(), y(t)));
        p.save();
        p.setPen(ink);
        p.drawText(QRectF(0, y(t) - 10, leftRoom - tickLength - 4, 20), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromStdString(shortest(std::round(t * 1e6) / 1e6)));
        p.restore();
    }
    for (double t : roundTicks(fLow, fHigh, ticksWanted)) {
        p.drawLine(QPointF(x(t), area.top()), QPointF(x(t), area.bottom()));
        p.save();
        p.setPen(ink);
        p.drawText(QRectF(x(t) - 50, area.bottom() + tickLength, 100, bottomRoom - tickLength),
                   Qt::AlignHCenter | Qt::AlignTop, frequencyTick(t, fHigh));
        p.restore();
    }
    // The band (or line) the curve is held to.
    QColor band = faint;
    band.setAlpha(90);
    if (pane.bandHigh > pane.bandLow)
        p.fillRect(QRectF(QPointF(area.left(), y(pane.bandLow)), QPointF(area.right(), y(pane.bandHigh))), band);
    p.setPen(QPen(ink, 1, Qt::DashLine));
    if (pane.bandHigh == pane.bandLow)
        p.drawLine(QPointF(area.left(), y(pane.bandLow)), QPointF(area.right(), y(pane.bandLow)));
    // Where the pad stops meeting each limit.
    const std::optional<double> edge = pane.index == 0 ? limits_.flatTo : limits_.matchedTo;
    if (edge && *edge >= fLow && *edge <= fHigh) {
        p.setPen(QPen(ink, 1.5, Qt::DashDotLine));
        p.drawLine(QPointF(x(*edge), area.top()), QPointF(x(*edge), area.bottom()));
        p.drawText(QPointF(x(*edge) + 4, area.top() + 12),
                   QString::fromStdString((pane.index == 0 ? "flat to " : "matched to ") + hertzText(*edge, Rounding::down)));
    }
    p.setClipRect(area.adjusted(-1, -1, 1, 1));
    for (const Pane::Curve& c : pane.curves) {
        QPainterPath path;
        for (std::size_t i = 0; i < c.values->size(); ++i) {
            const QPointF point(x(curves_.hertz[i]), y((*c.values)[i]));
            i == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        // Greyed with the results while they are not for the inputs as typed.
        p.setPen(QPen(isEnabled() ? c.colour : palette().color(QPalette::Disabled, QPalette::Text), 1.5, c.style));
        p.drawPath(path);
    }
    if (pointed_) {
        p.setPen(QPen(ink, 1));
        const double at = x(curves_.hertz[*pointed_]);
        p.drawLine(QPointF(at, area.top()), QPointF(at, area.bottom()));
    }
    p.setClipping(false);
    p.setPen(ink);
    p.drawRect(area);
}

void ResponsePlot::mouseMoveEvent(QMouseEvent* e)
{
    const QRectF area = plotArea(0);
    if (curves_.hertz.size() < 2 || e->position().x() < area.left() || e->position().x() > area.right()) {
        leaveEvent(e);
        return;
    }
    const double fLow = curves_.hertz.front(), fHigh = curves_.hertz.back();
    const double f = fLow + (e->position().x() - area.left()) / area.width() * (fHigh - fLow);
    const auto after = std::lower_bound(curves_.hertz.begin(), curves_.hertz.end(), f);
    std::size_t i = static_cast<std::size_t>(std::distance(curves_.hertz.begin(), after));
    if (i == curves_.hertz.size() || (i > 0 && f - curves_.hertz[i - 1] < curves_.hertz[i] - f))
        --i;
    pointed_ = i;
    update();
}

void ResponsePlot::leaveEvent(QEvent*)
{
    pointed_.reset();
    update();
}

} // namespace velkor::ui
