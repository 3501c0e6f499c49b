#pragma once
// A step attenuator's errors, drawn with QPainter: each state's error
// against its setting as a point, its loss range at the tolerance as a bar
// through it, a line at zero, the worst state ringed and named, the state
// shown in the frequency panes filled.

#include "text/stepsheet.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace velkor::ui {

class StepPlot : public QWidget {
public:
    /// Where the plot's parts land, in the widget's logical pixels.
    struct Scene {
        QRectF area;
        double lowest = 0, highest = 1;   ///< dB of setting at the area's left and right edges
        double top = 1, bottom = -1;      ///< dB of error at its top and bottom edges
        std::vector<double> settings, errors;   ///< the ticks, dB
        std::vector<QPointF> points;      ///< a state each
        std::vector<std::optional<QLineF>> bars;   ///< the range of each, where worked out
        double x(double setting) const;
        double y(double error) const;
    };

    explicit StepPlot(QWidget* parent);

    /// The states to draw, the worst error's and the one shown.
    void setStates(std::vector<StepPoint> points, std::size_t worst, std::size_t shown);
    Scene scene() const;

    QSize sizeHint() const override { return {480, 220}; }
    QSize minimumSizeHint() const override { return {320, 160}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<StepPoint> points_;
    std::size_t worst_ = 0, shown_ = 0;
};

} // namespace velkor::ui
