#include "QtWindowSystem.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "BackgroundWork.h"
#include "FormView.h"
#include "FormViews.h"
#include "WorkProgressDialog.h"

namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton ToQt(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Yes:
            return QMessageBox::Yes;
        case MessageAnswer::No:
            return QMessageBox::No;
        case MessageAnswer::Cancel:
            return QMessageBox::Cancel;
        case MessageAnswer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

}  // namespace

// A Yes/No box closed without an answer (Escape takes No there) says No; a box with Cancel,
// Cancel. A box whose loop ends without a button (the application quitting) says the same.
MessageAnswer CQtWindowSystem::ShowMessage(const Message& message) {
    QMessageBox box(ToQt(message.icon), QString::fromStdString(message.caption),
                    QString::fromStdString(message.text), ToQt(message.buttons), ActiveView());
    if (message.defaultButton) {
        box.setDefaultButton(ToQt(*message.defaultButton));
    }
    const int pressed = box.exec();
    switch (message.buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            break;
    }
    return pressed == QMessageBox::Yes  ? MessageAnswer::Yes
           : pressed == QMessageBox::No ? MessageAnswer::No
                                        : MessageAnswer::Cancel;
}

FormResult CQtWindowSystem::RunModal(CForm& form) {
    std::unique_ptr<CFormView> view = MakeFormView(form, ActiveView());
    form.BeginModal();
    view->Refresh();
    openViews_.push_back(view.get());
    QTimer::singleShot(0, view.get(), [this, shown = view.get()] { FormShown(*shown); });
    view->exec();
    openViews_.pop_back();
    // The modal loop can also end without the form (the application quitting).
    if (form.IsOpen()) {
        form.PressCancel();
    }
    return form.Result();
}

void CQtWindowSystem::ShowDocument(const std::string& title, std::string_view markdown) {
    QDialog window(ActiveView());
    window.setWindowTitle(QString::fromStdString(title));
    auto* layout = new QVBoxLayout(&window);
    auto* text = new QTextBrowser(&window);
    text->setObjectName("document");
    text->setOpenExternalLinks(true);
    text->setMarkdown(QString::fromUtf8(markdown.data(), static_cast<qsizetype>(markdown.size())));
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    layout->addWidget(buttons);
    // Wide enough for the reference's tables without scrolling sideways.
    const int lineHeight = window.fontMetrics().height();
    window.resize(60 * lineHeight, 45 * lineHeight);
    window.exec();
}

SaveFileAnswer CQtWindowSystem::AskSaveFile(const SaveFileQuestion& question) {
    QStringList filters;
    for (const std::string& filter : question.filters) {
        filters << QString::fromStdString(filter);
    }
    QString selected = filters.isEmpty() ? QString() : filters.front();
    const QString path = QFileDialog::getSaveFileName(
        ActiveView(), QString::fromStdString(question.caption),
        QString::fromStdString(question.proposedName), filters.join(";;"), &selected);
    SaveFileAnswer answer;
    answer.path = path.toStdString();
    answer.filter = std::max(0, static_cast<int>(filters.indexOf(selected)));
    return answer;
}

void CQtWindowSystem::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

CQtWindowSystem::~CQtWindowSystem() {
    if (abandoned_ != nullptr) {
        abandoned_->thread.join();
    }
}

// Two phases: until the delay, the loop runs without user input (a click on the form waits, as
// it would under a synchronous calculation); then, for work with stages, the modal progress
// window takes the user's input and the loop runs until the work returns or Cancel is pressed.
WorkOutcome CQtWindowSystem::RunWork(const WorkRequest& request,
                                     std::function<void(IProgressSink&)> work) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    WaitForAbandonedWork();

    auto state = std::make_shared<CBackgroundWork>();
    QEventLoop loop;
    CWorkProgressDialog dialog(request, ActiveView());
    dialog.onCancel = [&] {
        state->Cancel();
        loop.quit();
    };
    state->Listen(
        &dialog, [&dialog](int stage) { dialog.ShowStage(stage); }, [&loop] { loop.quit(); });
    std::thread thread([state, work = std::move(work)] { state->Run(work); });

    const bool showsProgress = !request.stages.empty();
    if (showsProgress) {
        QTimer::singleShot(kProgressDelayMs, &loop, &QEventLoop::quit);
    }
    if (!state->Finished()) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (showsProgress && !state->Finished()) {
        QApplication::changeOverrideCursor(Qt::BusyCursor);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QTimer::singleShot(0, &dialog, [this, &dialog] { ProgressShown(dialog); });
        if (!state->Finished() && !dialog.CancelPressed()) {
            loop.exec();
        }
        dialog.hide();
    } else {
        while (!state->Finished()) {
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
    }
    state->StopListening();
    QApplication::restoreOverrideCursor();

    // The user's Cancel stands even when the work returned in the same moment.
    const bool cancelled = dialog.CancelPressed();
    if (cancelled && !state->Finished()) {
        abandoned_ = std::make_unique<AbandonedWork>(AbandonedWork{state, std::move(thread)});
    } else {
        thread.join();
    }
    return cancelled ? WorkOutcome::Cancelled : WorkOutcome::Finished;
}

void CQtWindowSystem::WaitForAbandonedWork() {
    if (abandoned_ == nullptr) {
        return;
    }
    QEventLoop loop;
    abandoned_->state->Listen(&loop, {}, [&loop] { loop.quit(); });
    while (!abandoned_->state->Finished()) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    abandoned_->state->StopListening();
    abandoned_->thread.join();
    abandoned_.reset();
}

void CQtWindowSystem::FormShown(CFormView&) {}

void CQtWindowSystem::ProgressShown(QDialog&) {}

QWidget* CQtWindowSystem::ActiveView() const {
    return openViews_.empty() ? nullptr : openViews_.back();
}
