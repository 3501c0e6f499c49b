#include "stepplot.h"

#include "base/numtext.h"
#include "responseplot.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace velkor::ui {
namespace {

// Room round the plot for the tick labels and the title, logical pixels.
constexpr double leftRoom = 64, rightRoom = 32, topRoom = 28, bottomRoom = 34;
constexpr int ticksWanted = 6;
constexpr double dot = 3, ring = 7, barEnd = 3;
constexpr double labelWidth = 160, labelHeight = 16;
// The error axis spans at least this much either side of zero, dB: an
// attenuator of exact parts still shows its zero line in the middle.
constexpr double leastErrorSpan = 0.05;
constexpr double headroom = 0.05;   // of the errors' span, above and below them

QString tickText(double t) { return QString::fromStdString(shortest(std::round(t * 1e6) / 1e6)); }

} // namespace

double StepPlot::Scene::x(double setting) const
{
    return area.left() + (setting - lowest) / (highest - lowest) * area.width();
}

double StepPlot::Scene::y(double error) const { return area.top() + (top - error) / (top - bottom) * area.height(); }

StepPlot::StepPlot(QWidget* parent) : QWidget(parent) { setAccessibleName(QStringLiteral("Errors of the states")); }

void StepPlot::setStates(std::vector<StepPoint> points, std::size_t worst, std::size_t shown)
{
    points_ = std::move(points);
    worst_ = worst;
    shown_ = shown;
    update();
}

StepPlot::Scene StepPlot::scene() const
{
    Scene s;
    s.area = QRectF(leftRoom, topRoom, width() - leftRoom - rightRoom, height() - topRoom - bottomRoom);
    if (points_.empty())
        return s;
    double low = -leastErrorSpan, high = leastErrorSpan, most = 0;
    for (const StepPoint& p : points_) {
        const auto [a, b] = p.errorRange.value_or(std::array{p.error, p.error});
        low = std::min({low, p.error, a});
        high = std::max({high, p.error, b});
        most = std::max(most, p.setting);
    }
    const double room = (high - low) * headroom;
    low -= room;
    high += room;
    s.errors = roundTicks(low, high, ticksWanted / 2 + 1);
    s.top = std::max(high, s.errors.back());
    s.bottom = std::min(low, s.errors.front());
    s.lowest = 0;
    s.highest = most > 0 ? most : 1;
    s.settings = roundTicks(s.lowest, s.highest, ticksWanted);
    for (const StepPoint& p : points_) {
        s.points.emplace_back(s.x(p.setting), s.y(p.error));
        s.bars.push_back(p.errorRange ? std::optional(QLineF(s.x(p.setting), s.y((*p.errorRange)[0]),
                                                             s.x(p.setting), s.y((*p.errorRange)[1])))
                                      : std::nullopt);
    }
    return s;
}

void StepPlot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Base));
    if (points_.empty())
        return;
    const Scene s = scene();
    const QRectF& area = s.area;
    const QColor ink = palette().color(QPalette::Text), faint = palette().color(QPalette::Mid);
    // Greyed with the results while they are not for the inputs as typed.
    const QColor mark = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                        isEnabled() ? QPalette::Link : QPalette::Text);
    p.setPen(ink);
    p.drawText(QRectF(area.left(), 0, area.width(), topRoom - 10), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("Error against setting, dB"));
    p.setPen(QPen(faint, 1, Qt::DotLine));
    for (double t : s.errors) {
        p.drawLine(QPointF(area.left(), s.y(t)), QPointF(area.right(), s.y(t)));
        p.save();
        p.setPen(ink);
        p.drawText(QRectF(0, s.y(t) - 10, leftRoom - 8, 20), Qt::AlignRight | Qt::AlignVCenter, tickText(t));
        p.restore();
    }
    for (double t : s.settings) {
        p.drawLine(QPointF(s.x(t), area.top()), QPointF(s.x(t), area.bottom()));
        p.save();
        p.setPen(ink);
        p.drawText(QRectF(s.x(t) - 50, area.bottom() + 4, 100, bottomRoom - 4), Qt::AlignHCenter | Qt::AlignTop,
                   tickText(t));
        p.restore();
    }
    p.setPen(QPen(ink, 1, Qt::DashLine));
    p.drawLine(QPointF(area.left(), s.y(0)), QPointF(area.right(), s.y(0)));
    p.setPen(QPen(mark, 1));
    for (const std::optional<QLineF>& bar : s.bars)
        if (bar) {
            p.drawLine(*bar);
            p.drawLine(bar->p1() - QPointF(barEnd, 0), bar->p1() + QPointF(barEnd, 0));
            p.drawLine(bar->p2() - QPointF(barEnd, 0), bar->p2() + QPointF(barEnd, 0));
        }
    // Each state a dot; the one shown in the frequency panes larger.
    p.setBrush(mark);
    for (std::size_t i = 0; i < s.points.size(); ++i) {
        const double r = i == shown_ ? ring - 2 : dot;
        p.drawEllipse(s.points[i], r, r);
    }
    // The worst ringed and named, so that neither colour nor place alone tells it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1.5));
    const QPointF worst = s.points[worst_];
    p.drawEllipse(worst, ring + 2, ring + 2);
    const QString name = QStringLiteral("worst: state %1").arg(worst_);
    // Beside the ring, on the side away from the zero line and the middle.
    const bool left = worst.x() > area.center().x(), below = points_[worst_].error < 0;
    const QRectF label(left ? worst.x() - ring - 4 - labelWidth : worst.x() + ring + 4,
                       below ? worst.y() + ring : worst.y() - ring - labelHeight, labelWidth, labelHeight);
    p.drawText(label, (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, name);
    p.drawRect(area);
}

} // namespace velkor::ui
