#pragma once
// The frequency response of a pad, drawn with QPainter: insertion loss
// over the sweep with the flatness band above, both return losses with the
// least allowed below, the bandwidths marked, and under the pointer a
// readout of the nearest frequency's values.

#include "text/designer.h"

#include <QPolygonF>
#include <QWidget>

#include <optional>
#include <vector>

namespace velkor::ui {

/// Round values from `low` to `high` for an axis, about `wanted` (> 0) of
/// them: every multiple in the range of a step of 1, 2 or 5 times a power
/// of ten.
std::vector<double> roundTicks(double low, double high, int wanted);

/// A frequency tick's label, as short as it reads, with the SI prefix of
/// the axis's end at `top` Hz: "2.5 GHz", "0.5 GHz", "0 GHz" on a 6 GHz axis.
QString frequencyTick(double hertz, double top);

class ResponsePlot : public QWidget {
public:
    /// What the curves are measured against.
    struct Limits {
        double insertionLossAtZero = 0;   ///< dB, the centre of the flatness band
        double flatness = 0.1;            ///< dB either side of it
        double leastReturnLoss = 20;      ///< dB
        std::optional<double> flatTo, matchedTo;   ///< Hz; none beyond the search
    };

    /// Where one pane's parts land, in the widget's logical pixels: worked
    /// out apart from the painting, which only strokes and fills them.
    struct Scene {
        QRectF area;                        ///< inside the pane's frame
        double firstHertz = 0, lastHertz = 1;   ///< Hz at the area's left and right edges
        double top = 0, bottom = 1;         ///< dB at its top and bottom edges; losses grow downward
        std::vector<double> levels;         ///< dB of the level ticks
        std::vector<double> frequencies;    ///< Hz of the frequency ticks
        QRectF band;                        ///< the band the curves are held to; no height for a line
        std::optional<double> markAt;       ///< x of the bandwidth's mark, when it falls in the sweep
        QString mark;                       ///< its label, "flat to …" or "matched to …"
        std::vector<QPolygonF> curves;      ///< a point a frequency, in the order the pane keys them
        std::optional<double> pointerAt;    ///< x of the frequency under the pointer

        double x(double hertz) const;
        double y(double db) const;
    };

    explicit ResponsePlot(QWidget* parent);

    void setResponse(Curves curves, const Limits& limits);
    /// The readout under the pointer, or "" when the pointer is away.
    QString readout() const;
    /// Pane 0 (insertion loss) or 1 (the return losses); no curves before
    /// a response is set.
    Scene scene(int pane) const;

    QSize sizeHint() const override { return {480, 400}; }
    QSize minimumSizeHint() const override { return {320, 240}; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;

private:
    struct Look;
    void drawPane(QPainter& p, const Scene& s, const Look& look) const;
    QRectF plotArea(int pane) const;

    Curves curves_;
    Limits limits_;
    std::optional<std::size_t> pointed_;   ///< the frequency under the pointer
};

} // namespace velkor::ui
