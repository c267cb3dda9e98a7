#pragma once

#include <vector>

#include "WindowSystem.h"

class CFormView;
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

protected:
    // Called from inside a form's modal loop once its window is shown. Tests and the screenshot
    // tool act on the view here; the desktop program leaves it to the user.
    virtual void FormShown(CFormView& view);

    // The innermost open view (the parent of message boxes), or nullptr.
    QWidget* ActiveView() const;

private:
    std::vector<CFormView*> openViews_;
};
