#pragma once

#include <string>

class CForm;

// The caption of the program's plain message boxes.
inline constexpr const char* kProgramCaption = "Plycalc";

enum class MessageIcon { None, Information, Exclamation, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };
enum class FormResult { Accepted, Cancelled };

// A modal message box as the forms ask for it.
struct Message {
    std::string text;
    std::string caption = kProgramCaption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;

    bool operator==(const Message&) const = default;
};

// Everything the forms need from a window system. The forms call it on the one user-interface
// thread; both calls block until the user has answered.
class IWindowSystem {
public:
    virtual ~IWindowSystem() = default;

    // Shows a modal message box and returns the button the user pressed (Ok for an OK box).
    virtual MessageAnswer ShowMessage(const Message& message) = 0;

    // Runs a form modally: calls form.BeginModal(), lets the user work in it until the form has
    // ended itself (CForm::IsOpen() false), and returns form.Result(). A window closed by its
    // close box or Escape is ended through form.PressCancel().
    virtual FormResult RunModal(CForm& form) = 0;
};
