#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "Form.h"
#include "WindowSystem.h"

// A window system for headless tests. It records every message box and every form it runs,
// answers Yes/No questions and save-file dialogs from queues (OK boxes need no answer), and plays
// a scripted user
// for each form it runs modally: the next script in the queue drives the open form through its
// commands. Documents shown for reading are recorded and need no script; the clipboard is a
// string. A form still open when its
// script returns is closed by its close box (PressCancel). A missing answer or script, or a script
// for another form class, fails the test; so does an answer or a script still queued when the
// window system goes (a form that never opened).
class CScriptedWindowSystem : public IWindowSystem {
public:
    std::vector<Message> messages;
    std::vector<std::string> formsRun;  // titles, in the order the forms were opened
    struct Document {
        std::string title;
        std::string markdown;
    };
    std::vector<Document> documents;  // shown for reading, in order
    std::string clipboard;            // the text last put on the clipboard

    ~CScriptedWindowSystem() override {
        for (const QueuedScript& script : scripts_) {
            ADD_FAILURE() << "a script for a " << script.formClass
                          << " was queued but no such form opened";
        }
        for (std::size_t i = 0; i < answers_.size(); ++i) {
            ADD_FAILURE() << "an answer was queued but no question was asked";
        }
        for (std::size_t i = 0; i < saveAnswers_.size(); ++i) {
            ADD_FAILURE() << "a file was queued but no save-file dialog opened";
        }
    }

    std::vector<SaveFileQuestion> saveQuestions;  // the save-file dialogs, in order

    // What the user picks in the next save-file dialog (an empty path: Cancel).
    void QueueSaveFile(SaveFileAnswer answer) { saveAnswers_.push_back(std::move(answer)); }

    SaveFileAnswer AskSaveFile(const SaveFileQuestion& question) override {
        saveQuestions.push_back(question);
        if (saveAnswers_.empty()) {
            ADD_FAILURE() << "no file queued for \"" << question.caption << "\"";
            return {};
        }
        SaveFileAnswer answer = saveAnswers_.front();
        saveAnswers_.pop_front();
        return answer;
    }

    void QueueAnswer(MessageAnswer answer) { answers_.push_back(answer); }

    // Forms with this title that open when no script is queued are closed by their close box
    // instead of failing the test (for tests about something else than what such a form shows).
    void CloseWhenUnscripted(std::string title) { closedWhenUnscripted_.push_back(title); }

    // Queues what the user does in the next form run modally, which must be a FormClass.
    template <typename FormClass>
    void QueueForm(std::function<void(FormClass&)> script) {
        auto run = [script](CForm& form) {
            auto* typed = dynamic_cast<FormClass*>(&form);
            if (typed == nullptr) {
                ADD_FAILURE() << "form \"" << form.Title() << "\" opened where a "
                              << typeid(FormClass).name() << " was scripted";
                return;
            }
            script(*typed);
        };
        scripts_.push_back({typeid(FormClass).name(), run});
    }

    // Texts of the recorded messages, for compact comparisons.
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const Message& message : messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    bool AllScriptsUsed() const {
        return scripts_.empty() && answers_.empty() && saveAnswers_.empty();
    }

    MessageAnswer ShowMessage(const Message& message) override {
        messages.push_back(message);
        if (message.buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        if (answers_.empty()) {
            ADD_FAILURE() << "no answer queued for \"" << message.text << "\"";
            return MessageAnswer::No;
        }
        MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    FormResult RunModal(CForm& form) override {
        formsRun.push_back(form.Title());
        form.BeginModal();
        if (scripts_.empty()) {
            if (std::find(closedWhenUnscripted_.begin(), closedWhenUnscripted_.end(),
                          form.Title()) == closedWhenUnscripted_.end()) {
                ADD_FAILURE() << "no script queued for form \"" << form.Title() << "\"";
            }
        } else {
            auto script = std::move(scripts_.front().run);
            scripts_.pop_front();
            script(form);
        }
        if (form.IsOpen()) {
            form.PressCancel();
        }
        return form.Result();
    }

    void ShowDocument(const std::string& title, std::string_view markdown) override {
        documents.push_back({title, std::string(markdown)});
    }

    void SetClipboardText(const std::string& text) override { clipboard = text; }
    // Work runs at once on the test's thread; its requests and the stages it entered are
    // recorded. The user can be scripted to press Cancel when the next work enters a stage.
    std::vector<WorkRequest> workRequests;
    std::vector<int> stagesEntered;  // of every work, in order
    void CancelWorkAtStage(int stage) { cancelAtStage_ = stage; }

    WorkOutcome RunWork(const WorkRequest& request,
                        std::function<void(IProgressSink&)> work) override {
        workRequests.push_back(request);
        ScriptedProgress progress(*this, request);
        cancelAtStage_ = -1;
        work(progress);
        return progress.cancelled ? WorkOutcome::Cancelled : WorkOutcome::Finished;
    }

private:
    struct ScriptedProgress : IProgressSink {
        ScriptedProgress(CScriptedWindowSystem& owner, const WorkRequest& request)
            : owner(owner),
              stageCount(static_cast<int>(request.stages.size())),
              cancelAt(owner.cancelAtStage_) {}
        bool EnterStage(int stage) override {
            EXPECT_GE(stage, 0);
            EXPECT_LT(stage, stageCount) << "a stage the request does not name";
            owner.stagesEntered.push_back(stage);
            cancelled = cancelled || stage == cancelAt;
            return cancelled;
        }
        bool Cancelled() const override { return cancelled; }

        CScriptedWindowSystem& owner;
        int stageCount;
        int cancelAt;
        bool cancelled = false;
    };

    int cancelAtStage_ = -1;

    struct QueuedScript {
        std::string formClass;
        std::function<void(CForm&)> run;
    };

    std::deque<MessageAnswer> answers_;
    std::deque<SaveFileAnswer> saveAnswers_;
    std::deque<QueuedScript> scripts_;
    std::vector<std::string> closedWhenUnscripted_;
};
