#pragma once

#include <string>

// Base of the headless controls. A control holds only what a window shows of it (its visible
// and enabled flags, and in the derived classes its text or selection); the form that owns it
// decides everything else. A window-system view mirrors these flags after every command.
class CControl {
public:
    virtual ~CControl() = default;

    bool IsVisible() const { return visible_; }
    bool IsEnabled() const { return enabled_; }
    void Show(bool visible) { visible_ = visible; }
    void Enable(bool enabled) { enabled_ = enabled; }

private:
    bool visible_ = true;
    bool enabled_ = true;
};

// A static text: a label beside a field, a unit, or the caption of a group box.
class CLabel : public CControl {
public:
    CLabel() = default;
    explicit CLabel(std::string text) : text_(std::move(text)) {}

    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }

private:
    std::string text_;
};

// A push button. The default button is the one Enter presses.
class CButton : public CControl {
public:
    explicit CButton(std::string caption, bool isDefault = false)
        : caption_(std::move(caption)), isDefault_(isDefault) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    bool IsDefault() const { return isDefault_; }

private:
    std::string caption_;
    bool isDefault_;
};

// A free-text edit field (names, user, date). Its text is taken as typed.
class CTextField : public CControl {
public:
    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }

private:
    std::string text_;
};
