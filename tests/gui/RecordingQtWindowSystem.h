#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "FormView.h"
#include "QtWindowSystem.h"

// The Qt window system with the user played by the test. Message boxes are recorded instead of
// shown and Yes/No questions are answered from a queue; every form opens its real Qt view, and
// the next queued script then acts on the view's widgets from inside the view's modal loop. A
// view still open when its script returns is closed by Escape. A missing script or answer fails
// the test.
class CRecordingQtWindowSystem : public CQtWindowSystem {
public:
    using Script = std::function<void(CFormView&)>;

    std::vector<Message> messages;
    std::vector<std::string> formsShown;

    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    // What the user picks in the next save-file dialog, which is recorded instead of shown.
    void QueueSaveFile(SaveFileAnswer answer) { saveAnswers_.push_back(std::move(answer)); }
    std::vector<SaveFileQuestion> saveQuestions;
    void QueueView(Script script) { scripts_.push_back(std::move(script)); }
    bool AllUsed() const { return scripts_.empty() && answers_.empty() && saveAnswers_.empty(); }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const Message& message : messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    MessageAnswer ShowMessage(const Message& message) override {
        messages.push_back(message);
        if (message.buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        if (answers_.empty()) {
            QTest::qFail(("no answer queued for: " + message.text).c_str(), __FILE__, __LINE__);
            return MessageAnswer::No;
        }
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    SaveFileAnswer AskSaveFile(const SaveFileQuestion& question) override {
        saveQuestions.push_back(question);
        if (saveAnswers_.empty()) {
            QTest::qFail(("no file queued for: " + question.caption).c_str(), __FILE__, __LINE__);
            return {};
        }
        SaveFileAnswer answer = saveAnswers_.front();
        saveAnswers_.pop_front();
        return answer;
    }

protected:
    void FormShown(CFormView& view) override {
        formsShown.push_back(view.Form().Title());
        if (scripts_.empty()) {
            QTest::qFail(("no script queued for form " + view.Form().Title()).c_str(), __FILE__,
                         __LINE__);
        } else {
            Script script = std::move(scripts_.front());
            scripts_.pop_front();
            script(view);
        }
        if (view.isVisible()) {
            QTest::keyClick(&view, Qt::Key_Escape);
        }
        // A question answered Cancel keeps the view open; a test must not hang on it.
        if (view.isVisible()) {
            QTest::qFail(("view still open after Escape: " + view.Form().Title()).c_str(), __FILE__,
                         __LINE__);
            view.done(QDialog::Rejected);
        }
    }

private:
    std::deque<MessageAnswer> answers_;
    std::deque<SaveFileAnswer> saveAnswers_;
    std::deque<Script> scripts_;
};

// What a user does to the widgets of a view.
namespace user {

inline QPushButton* Button(QWidget& view, const QString& text) {
    for (QPushButton* button : view.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

inline void Click(QWidget& view, const QString& text) {
    QPushButton* button = Button(view, text);
    QVERIFY2(button != nullptr, qPrintable("no button " + text));
    QTest::mouseClick(button, Qt::LeftButton);
}

template <typename Widget>
Widget* Find(QWidget& view, const char* name) {
    auto* widget = view.findChild<Widget*>(name);
    if (widget == nullptr) {
        QTest::qFail((std::string("no widget ") + name).c_str(), __FILE__, __LINE__);
    }
    return widget;
}

// Picks an entry from a drop-down list's pop-up: the list closes on it.
inline void Choose(QWidget& view, const char* list, const QString& entry) {
    auto* combo = Find<QComboBox>(view, list);
    QVERIFY(combo != nullptr);
    const int index = combo->findText(entry);
    QVERIFY2(index >= 0, qPrintable("no entry " + entry));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Replaces a field's text by typing.
inline void Type(QWidget& view, const char* field, const QString& text) {
    auto* edit = Find<QLineEdit>(view, field);
    QVERIFY(edit != nullptr);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

inline QString Text(QWidget& view, const char* field) {
    auto* edit = Find<QLineEdit>(view, field);
    return edit ? edit->text() : QString();
}

}  // namespace user
