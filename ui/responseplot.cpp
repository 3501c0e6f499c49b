#include "responseplot.h"

#include "base/numtext.h"
#include "text/quantities.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace velkor::ui {
namespace {

// How far, in pixels, a curve may stray from the points it is drawn
// through: well below what antialiasing shows.
constexpr double unseen = 0.05;

// The polyline through `line` with every point dropped that lies within
// `tolerance` of the chord that skips it (Douglas and Peucker): a smooth
// curve of hundreds of points is stroked as a few dozen.
QPolygonF simplified(const QPolygonF& line, double tolerance)
{
    if (line.size() < 3)
        return line;
    std::vector<bool> kept(std::size_t(line.size()), false);
    kept.front() = kept.back() = true;
    std::vector<std::pair<qsizetype, qsizetype>> spans = {{0, line.size() - 1}};
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        const QPointF a = line[first], chord = line[last] - a;
        const double length = std::hypot(chord.x(), chord.y());
        double farthest = -1;
        qsizetype at = first;
        for (qsizetype i = first + 1; i < last; ++i) {
            const QPointF v = line[i] - a;
            const double off = length > 0 ? std::abs(chord.x() * v.y() - chord.y() * v.x()) / length
                                          : std::hypot(v.x(), v.y());
            if (off > farthest) {
                farthest = off;
                at = i;
            }
        }
        if (farthest > tolerance) {
            kept[std::size_t(at)] = true;
            spans.push_back({first, at});
            spans.push_back({at, last});
        }
    }
    QPolygonF out;
    for (qsizetype i = 0; i < line.size(); ++i)
        if (kept[std::size_t(i)])
            out << line[i];
    return out;
}

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

// How a pane looks: its title, and its curves' colours, names in the key
// and strokes, in the order of its scene's curves.
struct ResponsePlot::Look {
    QString title;
    struct Curve {
        QColor colour;
        QString name;
        Qt::PenStyle style;
    };
    std::vector<Curve> curves;
};

double ResponsePlot::Scene::x(double hertz) const
{
    return area.left() + (hertz - firstHertz) / (lastHertz - firstHertz) * area.width();
}

double ResponsePlot::Scene::y(double db) const
{
    return area.top() + (db - top) / (bottom - top) * area.height();
}

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

ResponsePlot::Scene ResponsePlot::scene(int pane) const
{
    Scene s;
    s.area = plotArea(pane);
    if (curves_.hertz.empty())
        return s;
    const bool loss = pane == 0;
    const std::vector<const std::vector<double>*> series =
        loss ? std::vector{&curves_.insertionLoss} : std::vector{&curves_.inputReturnLoss, &curves_.outputReturnLoss};
    // The insertion loss is held to a band about its value at 0 Hz, the
    // return losses above a line; the pane shows at least twice as much.
    const double centre = limits_.insertionLossAtZero, flatness = limits_.flatness, least = limits_.leastReturnLoss;
    const double bandLow = loss ? centre - flatness : least, bandHigh = loss ? centre + flatness : least;
    double low = loss ? centre - 2 * flatness : 0, high = loss ? centre + 2 * flatness : 2 * least;
    for (const std::vector<double>* values : series) {
        const auto [fewest, most] = std::minmax_element(values->begin(), values->end());
        low = std::min(low, *fewest);
        high = std::max(high, *most);
    }
    s.levels = roundTicks(low, high, ticksWanted / 2 + 1);
    s.top = std::min(low, s.levels.front());
    s.bottom = std::max(high, s.levels.back());
    s.firstHertz = curves_.hertz.front();
    s.lastHertz = curves_.hertz.back();
    s.frequencies = roundTicks(s.firstHertz, s.lastHertz, ticksWanted);
    s.band = QRectF(QPointF(s.area.left(), s.y(bandLow)), QPointF(s.area.right(), s.y(bandHigh)));
    // Where the pad stops meeting the pane's limit; a pad that never meets
    // it (0 Hz) has no edge, its curves staying outside the band.
    const std::optional<double> edge = loss ? limits_.flatTo : limits_.matchedTo;
    if (edge && *edge > 0 && *edge >= s.firstHertz && *edge <= s.lastHertz) {
        s.markAt = s.x(*edge);
        s.mark = QString::fromStdString((loss ? "flat to " : "matched to ") + hertzText(*edge, Rounding::down));
    }
    for (const std::vector<double>* values : series) {
        QPolygonF line;
        for (std::size_t i = 0; i < values->size(); ++i)
            line << QPointF(s.x(curves_.hertz[i]), s.y((*values)[i]));
        s.curves.push_back(simplified(line, unseen));
    }
    if (pointed_)
        s.pointerAt = s.x(curves_.hertz[*pointed_]);
    return s;
}

void ResponsePlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Base));
    if (curves_.hertz.empty())
        return;
    const QColor loss = palette().color(QPalette::Link), in = QColor(0xd0, 0x40, 0x30), out = QColor(0x20, 0x90, 0x50);
    drawPane(p, scene(0), {QStringLiteral("Insertion loss, dB"), {{loss, {}, Qt::SolidLine}}});
    // The output's curve dashed: a symmetric pad's two lie on each other.
    drawPane(p, scene(1),
             {QStringLiteral("Return loss, dB"),
              {{in, QStringLiteral("input"), Qt::SolidLine}, {out, QStringLiteral("output"), Qt::DashLine}}});
    if (pointed_) {
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRectF(leftRoom, 0, width() - leftRoom, topRoom - 10), Qt::AlignRight | Qt::AlignBottom, readout());
    }
}

void ResponsePlot::drawPane(QPainter& p, const Scene& s, const Look& look) const
{
    const QRectF& area = s.area;
    const QColor ink = palette().color(QPalette::Text), faint = palette().color(QPalette::Mid);

    p.setPen(ink);
    const QRectF titleBox(area.left(), area.top() - topRoom, area.width(), topRoom - 10);
    QRectF used;
    p.drawText(titleBox, Qt::AlignLeft | Qt::AlignBottom, look.title, &used);
    // A key to the curves after the title: a stroke of each, and its name.
    double keyAt = used.right() + legendGap;
    for (const Look::Curve& c : look.curves) {
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
    for (double t : s.levels) {
        p.drawLine(QPointF(area.left(), s.y(t)), QPointF(area.right(), s.y(t)));
        p.save();
        p.setPen(ink);
        p.drawText(QRectF(0, s.y(t) - 10, leftRoom - tickLength - 4, 20), Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromStdString(shortest(std::round(t * 1e6) / 1e6)));
        p.restore();
    }
    for (double t : s.frequencies) {
        p.drawLine(QPointF(s.x(t), area.top()), QPointF(s.x(t), area.bottom()));
        p.save();
        p.setPen(ink);
        p.drawText(QRectF(s.x(t) - 50, area.bottom() + tickLength, 100, bottomRoom - tickLength),
                   Qt::AlignHCenter | Qt::AlignTop, frequencyTick(t, s.lastHertz));
        p.restore();
    }
    QColor band = faint;
    band.setAlpha(90);
    p.fillRect(s.band, band);
    p.setPen(QPen(ink, 1, Qt::DashLine));
    if (s.band.height() == 0)
        p.drawLine(s.band.topLeft(), s.band.topRight());
    if (s.markAt) {
        p.setPen(QPen(ink, 1.5, Qt::DashDotLine));
        p.drawLine(QPointF(*s.markAt, area.top()), QPointF(*s.markAt, area.bottom()));
        p.drawText(QPointF(*s.markAt + 4, area.top() + 12), s.mark);
    }
    p.setClipRect(area.adjusted(-1, -1, 1, 1));
    for (std::size_t i = 0; i < s.curves.size() && i < look.curves.size(); ++i) {
        const Look::Curve& c = look.curves[i];
        // Greyed with the results while they are not for the inputs as typed.
        p.setPen(QPen(isEnabled() ? c.colour : palette().color(QPalette::Disabled, QPalette::Text), 1.5, c.style));
        p.drawPolyline(s.curves[i]);
    }
    if (s.pointerAt) {
        p.setPen(QPen(ink, 1));
        p.drawLine(QPointF(*s.pointerAt, area.top()), QPointF(*s.pointerAt, area.bottom()));
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
