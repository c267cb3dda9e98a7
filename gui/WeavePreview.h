#pragma once

#include <QWidget>

#include "ControlMirrors.h"
#include "DropDownList.h"
#include "NamedWeave.h"

// A picture of one weave repeat: one square per cell of the weave's grid, row 0 at the top. The
// hue says which yarn lies on top in the cell (the sign of its code: + the yarn along the grid's
// columns, - the yarn along its rows); the shade says the crossing kind (darkest where both yarns
// undulate, lightest where both are straight). Shows nothing without a weave. Does not own the
// weave.
class CWeavePreview : public QWidget {
public:
    explicit CWeavePreview(QWidget* parent);

    void SetWeave(const CWeave* weave);
    const CWeave* Weave() const { return weave_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CWeave* weave_ = nullptr;
};

// Keeps a preview on the weave selected in the weave list, and hidden with the list.
class CWeavePreviewMirror : public CControlMirror {
public:
    CWeavePreviewMirror(const CDropDownList<const CNamedWeave*>& list, CWeavePreview* widget)
        : list_(list), widget_(widget) {}
    void Refresh() override;
    const CControl& Control() const override { return list_; }
    QWidget* Widget() const override { return widget_; }

private:
    const CDropDownList<const CNamedWeave*>& list_;
    CWeavePreview* widget_;
};
