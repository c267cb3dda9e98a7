#include "WorkProgressDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

CWorkProgressDialog::CWorkProgressDialog(const WorkRequest& request, QWidget* parent)
    : QDialog(parent), request_(request) {
    setObjectName("workProgress");
    setWindowTitle(QString::fromStdString(request.caption));
    auto* layout = new QVBoxLayout(this);
    stage_ = new QLabel(this);
    stage_->setObjectName("stage");
    layout->addWidget(stage_);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("stages");
    bar_->setRange(0, static_cast<int>(request.stages.size()));
    bar_->setTextVisible(false);
    layout->addWidget(bar_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &CWorkProgressDialog::reject);
    layout->addWidget(buttons);
    // Wide enough for the longest stage text, so that the window does not change size.
    int widest = 0;
    for (int i = 0; i < static_cast<int>(request.stages.size()); ++i) {
        ShowStage(i);
        widest = std::max(widest, stage_->sizeHint().width());
    }
    stage_->setMinimumWidth(widest);
    ShowStage(0);
}

// The bar counts the stages finished: the one under way is not.
void CWorkProgressDialog::ShowStage(int stage) {
    const int count = static_cast<int>(request_.stages.size());
    if (stage < 0 || stage >= count) {
        return;
    }
    stage_->setText(QString("Stage %1 of %2: %3")
                        .arg(stage + 1)
                        .arg(count)
                        .arg(QString::fromStdString(request_.stages[stage])));
    bar_->setValue(stage);
}

void CWorkProgressDialog::reject() {
    if (cancelPressed_) {
        return;
    }
    cancelPressed_ = true;
    if (onCancel) {
        onCancel();
    }
}
