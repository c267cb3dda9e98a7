#include "WeavePreview.h"

#include <QPainter>
#include <cstdlib>

namespace {

constexpr int kPreviewSide = 96;

// Hues of the yarn on top: + cells (the column yarn) blue, - cells (the row yarn) orange.
constexpr int kColumnYarnHue = 210;
constexpr int kRowYarnHue = 30;

// Lightness by crossing kind 1..4: both undulate, both straight, only the lower yarn undulates,
// only the upper yarn undulates.
constexpr int kKindLightness[] = {0, 105, 205, 165, 135};

QColor CellColour(short code) {
    const int kind = std::abs(code);
    if (kind < 1 || kind > 4) {
        return Qt::black;
    }
    return QColor::fromHsl(code > 0 ? kColumnYarnHue : kRowYarnHue, 150, kKindLightness[kind]);
}

}  // namespace

CWeavePreview::CWeavePreview(QWidget* parent) : QWidget(parent) {
    setObjectName("weavePreview");
    setFixedSize(kPreviewSide, kPreviewSide);
    setToolTip(
        "One repeat of the weave: blue cells have the yarn along the columns on top, "
        "orange cells the yarn along the rows; darker where the yarns undulate.");
}

void CWeavePreview::SetWeave(const CWeave* weave) {
    if (weave != weave_) {
        weave_ = weave;
        update();
    }
}

QSize CWeavePreview::sizeHint() const {
    return {kPreviewSide, kPreviewSide};
}

void CWeavePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (weave_ == nullptr || weave_->Cols() <= 0 || weave_->Rows() <= 0) {
        return;
    }
    const double cellWidth = static_cast<double>(width()) / weave_->Cols();
    const double cellHeight = static_cast<double>(height()) / weave_->Rows();
    for (int row = 0; row < weave_->Rows(); ++row) {
        for (int col = 0; col < weave_->Cols(); ++col) {
            painter.fillRect(QRectF(col * cellWidth, row * cellHeight, cellWidth, cellHeight),
                             CellColour(weave_->Cell(row, col)));
        }
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CWeavePreviewMirror::Refresh() {
    const CNamedWeave* const* selected = list_.SelectedReference();
    widget_->SetWeave(selected != nullptr ? *selected : nullptr);
    if (widget_->isHidden() == list_.IsVisible()) {
        widget_->setVisible(list_.IsVisible());
    }
}
