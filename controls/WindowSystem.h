#pragma once

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
};
