#include "BackgroundWork.h"

#include <QMetaObject>

void CBackgroundWork::Run(const std::function<void(IProgressSink&)>& work) {
    try {
        work(*this);
    } catch (...) {
    }
    const std::lock_guard<std::mutex> lock(mutex_);
    finished_ = true;
    if (receiver_ != nullptr && onFinished_) {
        QMetaObject::invokeMethod(receiver_, onFinished_, Qt::QueuedConnection);
    }
}

void CBackgroundWork::Listen(QObject* receiver, std::function<void(int)> onStage,
                             std::function<void()> onFinished) {
    const std::lock_guard<std::mutex> lock(mutex_);
    receiver_ = receiver;
    onStage_ = std::move(onStage);
    onFinished_ = std::move(onFinished);
}

bool CBackgroundWork::EnterStage(int stage) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (receiver_ != nullptr && onStage_) {
        QMetaObject::invokeMethod(
            receiver_, [onStage = onStage_, stage] { onStage(stage); }, Qt::QueuedConnection);
    }
    return cancelled_;
}
