#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <mutex>

#include "WindowSystem.h"

// The shared state of one piece of work run on a thread of its own: the progress sink the work
// reports to, the user's cancel, and whether the work has returned. Stages and the end are handed
// to a listener on the Qt thread of its receiver, by queued calls that Qt drops with the receiver;
// the listener can be changed or removed at any time. Shared by the Qt thread and the work's
// thread (shared_ptr), so that a work the user abandoned keeps its state until it returns.
class CBackgroundWork final : public IProgressSink {
public:
    // Called on the work's thread: runs the work and marks it finished. An exception leaving the
    // work is swallowed (a thread must not end by one); the work then counts as finished.
    void Run(const std::function<void(IProgressSink&)>& work);

    // `onStage` is called with each stage entered, `onFinished` once the work has returned, both
    // on the thread of `receiver` and only while it exists.
    void Listen(QObject* receiver, std::function<void(int)> onStage,
                std::function<void()> onFinished);
    void StopListening() { Listen(nullptr, {}, {}); }

    void Cancel() { cancelled_ = true; }
    bool Finished() const { return finished_; }

    bool EnterStage(int stage) override;
    bool Cancelled() const override { return cancelled_; }

private:
    std::mutex mutex_;  // guards the listener
    QObject* receiver_ = nullptr;
    std::function<void(int)> onStage_;
    std::function<void()> onFinished_;
    std::atomic<bool> cancelled_ = false;
    std::atomic<bool> finished_ = false;
};
