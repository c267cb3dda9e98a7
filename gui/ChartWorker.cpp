#include "ChartWorker.h"

#include <QMetaObject>

#include "ChartBuilder.h"

CFiniteElementWorker::CFiniteElementWorker(QObject* receiver, Done done)
    : receiver_(receiver), done_(std::move(done)) {}

CFiniteElementWorker::~CFiniteElementWorker() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void CFiniteElementWorker::HandOver(const ChartCase& chartCase,
                                    const CChartForm::FiniteElementWork& work) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (case_ == nullptr || work.caseNumber != caseNumber_) {
            case_ = std::make_shared<const ChartCase>(chartCase);
            caseNumber_ = work.caseNumber;
            started_.clear();
        }
        queue_.clear();
        for (double percent : work.percents) {
            if (started_.count(percent) == 0) {
                queue_.push_back(percent);
            }
        }
        if (queue_.empty()) {
            return;
        }
        if (!thread_.joinable()) {
            thread_ = std::thread([this] { Run(); });
        }
    }
    wake_.notify_all();
}

void CFiniteElementWorker::Run() {
    for (;;) {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_) {
            return;
        }
        const double percent = queue_.front();
        queue_.pop_front();
        started_.insert(percent);
        const std::shared_ptr<const ChartCase> chartCase = case_;
        const unsigned caseNumber = caseNumber_;
        lock.unlock();

        std::vector<float> record;
        try {
            record = FiniteElementRecord(*chartCase, percent);
        } catch (const std::bad_alloc&) {
            record.clear();  // no finite result: the chart says so
        }
        QMetaObject::invokeMethod(
            receiver_,
            [done = done_, caseNumber, percent, record = std::move(record)]() mutable {
                done(caseNumber, percent, std::move(record));
            },
            Qt::QueuedConnection);
    }
}
