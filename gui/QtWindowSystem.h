#pragma once

#include <memory>
#include <thread>
#include <vector>

#include "WindowSystem.h"

class CBackgroundWork;
class CFormView;
class QDialog;
class QWidget;

// The forms' window system on Qt Widgets. Messages are QMessageBoxes (OK without icon,
// information, exclamation, Yes/No and Yes/No/Cancel questions), captioned as the form asks;
// documents are Markdown shown as formatted text; the clipboard is QGuiApplication's. RunModal
// opens the Qt view of the form's class over the view that is open, initialises the form and runs
// the view's modal loop until the form has ended itself. Needs a QApplication.
class CQtWindowSystem : public IWindowSystem {
public:
    MessageAnswer ShowMessage(const Message& message) override;
    FormResult RunModal(CForm& form) override;
    // A modal window over the open view with the document in a QTextBrowser (Qt's own Markdown
    // reader: headings, lists, tables and links; no mathematics, so formulas are plain text) and
    // a Close button.
    void ShowDocument(const std::string& title, std::string_view markdown) override;

    // A QFileDialog over the open view; it asks itself before a file is replaced.
    SaveFileAnswer AskSaveFile(const SaveFileQuestion& question) override;

    void SetClipboardText(const std::string& text) override;
    // Runs the work on a thread of its own under a busy cursor while the windows keep painting
    // (user input to them is held back). Work with stages that is still running after
    // kProgressDelayMs gets a modal progress window over the open view; its Cancel returns
    // Cancelled at once and leaves the work to stop at its next stage, abandoned. At most one
    // work is abandoned: the next RunWork first waits for it to stop, as does the destructor,
    // so the program does not end under a running calculation.
    WorkOutcome RunWork(const WorkRequest& request,
                        std::function<void(IProgressSink&)> work) override;
    // Waits, the windows painting, until an abandoned work has stopped.
    void WaitForAbandonedWork();
    bool HasAbandonedWork() const { return abandoned_ != nullptr; }

    // How long work may run before its progress window opens: quick work does not flash one.
    static constexpr int kProgressDelayMs = 200;

    ~CQtWindowSystem() override;

protected:
    // Called from inside a form's modal loop once its window is shown. Tests and the screenshot
    // tool act on the view here; the desktop program leaves it to the user.
    virtual void FormShown(CFormView& view);

    // Called from inside RunWork's loop once the progress window is shown.
    virtual void ProgressShown(QDialog& progress);

    // The innermost open view (the parent of message boxes), or nullptr.
    QWidget* ActiveView() const;

private:
    struct AbandonedWork {
        std::shared_ptr<CBackgroundWork> state;
        std::thread thread;
    };

    std::vector<CFormView*> openViews_;
    std::unique_ptr<AbandonedWork> abandoned_;
};
