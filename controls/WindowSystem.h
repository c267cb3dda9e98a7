#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CForm;

// The caption of the program's plain message boxes.
inline constexpr const char* kProgramCaption = "Plycalc";

enum class MessageIcon { None, Information, Exclamation, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };
enum class FormResult { Accepted, Cancelled };

// A modal message box as the forms ask for it.
struct Message {
    std::string text;
    std::string caption = kProgramCaption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // The button Enter presses; none: the first (OK or Yes).
    std::optional<MessageAnswer> defaultButton = std::nullopt;

    bool operator==(const Message&) const = default;
};

// A save-file dialog as a form asks for it: the caption, the file types offered ("CalculiX input
// (*.inp)"), the first of them selected, and the file name proposed.
struct SaveFileQuestion {
    std::string caption;
    std::vector<std::string> filters;
    std::string proposedName;
};

// The file the user chose and the index of the file type selected with it; an empty path when
// the user cancelled.
struct SaveFileAnswer {
    std::string path;
    int filter = 0;
};

// A long piece of work as a form hands it to the window system: the caption of the progress
// window and the texts of the stages the work reports, in order. Without stages the window system
// shows only that it is busy, and the work cannot be cancelled.
struct WorkRequest {
    std::string caption = kProgramCaption;
    std::vector<std::string> stages;
};

// How the work reports its progress, from the thread it runs on. Thread-safe.
class IProgressSink {
public:
    virtual ~IProgressSink() = default;
    // The work begins stage `stage` (0-based index into WorkRequest::stages). True when the user
    // has cancelled: the work should stop as soon as it can; its results will not be used.
    virtual bool EnterStage(int stage) = 0;
    // True when the user has cancelled.
    virtual bool Cancelled() const = 0;
};

// A sink for work that runs where nobody can cancel it.
class CUncancelledProgress : public IProgressSink {
public:
    bool EnterStage(int) override { return false; }
    bool Cancelled() const override { return false; }
};

enum class WorkOutcome { Finished, Cancelled };

// Everything the forms need from a window system. The forms call it on the one user-interface
// thread; every call blocks until the user has answered or closed the window.
class IWindowSystem {
public:
    virtual ~IWindowSystem() = default;

    // Shows a modal message box and returns the button the user pressed (Ok for an OK box). A
    // question with Cancel answers Cancel when it is closed by Escape or its close box.
    virtual MessageAnswer ShowMessage(const Message& message) = 0;

    // Runs a form modally: calls form.BeginModal(), lets the user work in it until the form has
    // ended itself (CForm::IsOpen() false), and returns form.Result(). A window closed by its
    // close box or Escape is ended through form.PressCancel().
    virtual FormResult RunModal(CForm& form) = 0;

    // Shows a document for reading: `markdown` rendered as formatted text (headings, lists,
    // tables) in a window titled `title`, until the user closes it.
    virtual void ShowDocument(const std::string& title, std::string_view markdown) = 0;

    // Shows a modal save-file dialog; the window system asks before a file is replaced.
    virtual SaveFileAnswer AskSaveFile(const SaveFileQuestion& question) = 0;

    // Puts `text` (UTF-8) on the system clipboard as plain text, replacing what it held.
    virtual void SetClipboardText(const std::string& text) = 0;
    // Runs `work` while the user waits, and returns when it has finished or the user cancelled.
    // A window system may run it on another thread, keeping its windows painted, with a busy
    // cursor and, when the request names stages, a modal progress window with Cancel; a headless
    // one runs it at once on the calling thread. Cancelled returns at once: the work may go on to
    // its next stage in the background, so it must own (or share ownership of) everything it
    // reads and writes, and must not call the window system or touch a form. Only Finished
    // means that the work has returned.
    virtual WorkOutcome RunWork(const WorkRequest& request,
                                std::function<void(IProgressSink&)> work) = 0;
};
