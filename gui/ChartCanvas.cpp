#include "ChartCanvas.h"

#include <QAreaSeries>
#include <QBuffer>
#include <QChart>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <cmath>

#ifdef CORVEL_HAVE_SVG
#include <QSvgGenerator>
#endif

namespace {

// Distinct colours for up to ten series (the Tableau palette), in the models' list order.
const QColor kSeriesColours[] = {QColor(31, 119, 180),  QColor(255, 127, 14),  QColor(44, 160, 44),
                                 QColor(214, 39, 40),   QColor(148, 103, 189), QColor(140, 86, 75),
                                 QColor(227, 119, 194), QColor(127, 127, 127), QColor(188, 189, 34),
                                 QColor(23, 190, 207)};

QColor SeriesColour(std::size_t index) {
    return kSeriesColours[index % std::size(kSeriesColours)];
}

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// The points of a series where it has values.
QList<QPointF> Points(const ChartModel& chart, const ChartSeries& series) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(series.values.size()));
    for (std::size_t i = 0; i < series.values.size(); ++i) {
        if (series.values[i]) {
            points.append(QPointF(chart.percents[i], *series.values[i]));
        }
    }
    return points;
}

// Ticks at the multiples of the range's interval. The axis counts its ticks afresh at every
// change: fixed ticks while the range changes keep the old interval from ticking the new range
// (an interval of 0.05 over 0 to 60 would be 1200 ticks with their labels for one moment).
void SetAxis(QValueAxis* axis, const AxisRange& range, const QString& title) {
    axis->setTickType(QValueAxis::TicksFixed);
    axis->setRange(range.minimum, range.maximum);
    axis->setTickAnchor(0.0);
    axis->setTickInterval(range.tickInterval);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setLabelFormat("%g");
    axis->setTitleText(title);
}

// A shaded area between two horizontal or traced edges, under the curves.
QAreaSeries* MakeArea(const QString& name, const QList<QPointF>& upper, const QList<QPointF>& lower,
                      const QColor& fill) {
    auto* upperLine = new QLineSeries;
    upperLine->replace(upper);
    auto* lowerLine = new QLineSeries;
    lowerLine->replace(lower);
    auto* area = new QAreaSeries(upperLine, lowerLine);
    upperLine->setParent(area);
    lowerLine->setParent(area);
    area->setName(name);
    area->setBrush(fill);
    area->setPen(Qt::NoPen);
    return area;
}

}  // namespace

// The axes stay for the canvas' life; each Show() sets their ranges and titles.
CChartCanvas::CChartCanvas(QWidget* parent)
    : QChartView(parent), x_(new QValueAxis), y_(new QValueAxis) {
    setRenderHint(QPainter::Antialiasing);
    chart()->addAxis(x_, Qt::AlignBottom);
    chart()->addAxis(y_, Qt::AlignLeft);
    setMouseTracking(true);
    chart()->legend()->setAlignment(Qt::AlignRight);
    chart()->setBackgroundRoundness(0);
}

void CChartCanvas::Show(const ChartModel& model) {
    QChart* drawn = chart();
    drawn->removeAllSeries();
    drawn->setTitle(ToQt(model.title));
    QValueAxis* x = x_;
    QValueAxis* y = y_;
    SetAxis(x, model.x, ChartModel::kXTitle);
    SetAxis(y, model.y, ToQt(model.YTitle()));
    const auto add = [&](QAbstractSeries* series) {
        drawn->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    };

    // Regions and the band lie under the curves; each region darker than the one before.
    int shade = 40;
    for (const ChartRegion& region : model.regions) {
        add(MakeArea(ToQt(region.name),
                     {QPointF(region.from, model.y.maximum), QPointF(region.to, model.y.maximum)},
                     {QPointF(region.from, model.y.minimum), QPointF(region.to, model.y.minimum)},
                     QColor(120, 120, 120, shade)));
        shade += 40;
    }
    if (model.band) {
        QColor fill = SeriesColour(model.band->lower);
        fill.setAlpha(50);
        add(MakeArea(ToQt(model.band->name), Points(model, model.series[model.band->upper]),
                     Points(model, model.series[model.band->lower]), fill));
    }
    for (std::size_t i = 0; i < model.series.size(); ++i) {
        const ChartSeries& series = model.series[i];
        QXYSeries* drawnSeries = nullptr;
        if (series.style == SeriesStyle::Points) {
            auto* points = new QScatterSeries;
            points->setMarkerSize(10.0);
            points->setColor(SeriesColour(i));
            points->setBorderColor(Qt::black);
            drawnSeries = points;
        } else {
            auto* line = new QLineSeries;
            line->setPen(QPen(SeriesColour(i), 2.0));
            drawnSeries = line;
        }
        drawnSeries->setName(ToQt(series.name));
        drawnSeries->replace(Points(model, series));
        add(drawnSeries);
    }
    if (model.currentPercent) {
        auto* current = new QLineSeries;
        current->setName(QString("Vf %1 %").arg(*model.currentPercent, 0, 'g', 15));
        current->setPen(QPen(Qt::black, 1.5, Qt::DashLine));
        current->append(*model.currentPercent, model.y.minimum);
        current->append(*model.currentPercent, model.y.maximum);
        add(current);
    }
}

std::string CChartCanvas::Picture(ChartFileFormat format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == ChartFileFormat::Png) {
        QImage image(size(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        render(&painter);
        painter.end();
        if (!image.save(&buffer, "PNG")) {
            return std::string();
        }
    } else if (format == ChartFileFormat::Svg) {
#ifdef CORVEL_HAVE_SVG
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size());
        generator.setViewBox(QRect(QPoint(0, 0), size()));
        generator.setTitle(chart()->title());
        QPainter painter(&generator);
        render(&painter);
        painter.end();
#else
        return std::string();
#endif
    }
    return bytes.toStdString();
}

bool CChartCanvas::CanDrawSvg() {
#ifdef CORVEL_HAVE_SVG
    return true;
#else
    return false;
#endif
}

void CChartCanvas::OnPointer(PointerMoved moved, std::function<void()> left) {
    pointerMoved_ = std::move(moved);
    pointerLeft_ = std::move(left);
}

void CChartCanvas::mouseMoveEvent(QMouseEvent* event) {
    QChartView::mouseMoveEvent(event);
    QChart* drawn = chart();
    const QPointF at = drawn->mapFromScene(mapToScene(event->position().toPoint()));
    if (drawn->series().isEmpty() || !drawn->plotArea().contains(at)) {
        if (pointerLeft_) {
            pointerLeft_();
        }
        return;
    }
    // Values of the pointer and of the point one pixel right and down: the axes' scales.
    const QPointF value = drawn->mapToValue(at);
    const QPointF next = drawn->mapToValue(at + QPointF(1.0, 1.0));
    if (pointerMoved_) {
        pointerMoved_(value.x(), value.y(), std::fabs(next.x() - value.x()),
                      std::fabs(next.y() - value.y()));
    }
}

void CChartCanvas::leaveEvent(QEvent* event) {
    QChartView::leaveEvent(event);
    if (pointerLeft_) {
        pointerLeft_();
    }
}
