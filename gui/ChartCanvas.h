#pragma once

#include <QChartView>
#include <functional>
#include <string>

#include "ChartFiles.h"
#include "ChartModel.h"

// A chart model (ChartModel.h) drawn with Qt Charts: every model series a line of its own colour
// (points for the finite-element model), the band between a fabric's two bounds filled, the
// packing limits of round fibres as shaded regions, the current volume fraction as a dashed
// vertical line, and a legend of them all; the axes as the model fits them. Show() replaces
// whatever was drawn before. The same canvas draws the chart window and, offscreen, the pictures
// of `corvel-cli plot`.
class QValueAxis;

class CChartCanvas : public QChartView {
public:
    // The pointer over the plot area at (percent, value), with the axes' scales in units per
    // pixel, for the read-out of the value under it.
    using PointerMoved = std::function<void(double, double, double, double)>;

    explicit CChartCanvas(QWidget* parent = nullptr);

    void Show(const ChartModel& chart);

    // The chart as drawn at the canvas' size: the bytes of a PNG image or an SVG drawing; "" for
    // SVG when Qt SVG was missing at build time, or when the image cannot be encoded.
    std::string Picture(ChartFileFormat format);
    static bool CanDrawSvg();

    // Called as the pointer moves over the plot area, and with the pointer leaving it.
    void OnPointer(PointerMoved moved, std::function<void()> left);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QValueAxis* x_;
    QValueAxis* y_;
    PointerMoved pointerMoved_;
    std::function<void()> pointerLeft_;
};
