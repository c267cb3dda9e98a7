#pragma once

#include <QDialog>
#include <functional>

#include "WindowSystem.h"

class QLabel;
class QProgressBar;

// The modal progress window of a long piece of work: the request's caption, the stage under way
// ("Stage 2 of 3: ...") over a bar of the stages begun, and Cancel. Cancel, Escape and the close
// box call `onCancel` once; the window stays open until its owner hides it.
class CWorkProgressDialog : public QDialog {
public:
    CWorkProgressDialog(const WorkRequest& request, QWidget* parent);

    void ShowStage(int stage);
    bool CancelPressed() const { return cancelPressed_; }

    std::function<void()> onCancel;

    void reject() override;

private:
    WorkRequest request_;
    QLabel* stage_;
    QProgressBar* bar_;
    bool cancelPressed_ = false;
};
