#pragma once

#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "ChartCase.h"
#include "ChartForm.h"

// Computes a chart's finite-element points on a thread of its own, so that the window stays
// responsive for the seconds a point may take: one fraction after the other, each record handed
// to `done` on the Qt thread of `receiver` (dropped if the receiver is gone). Work handed over
// replaces the fractions not started yet; a fraction once started for a case is never computed
// again for it. Destruction waits for the point being computed.
class CFiniteElementWorker {
public:
    using Done = std::function<void(unsigned caseNumber, double percent, std::vector<float>)>;

    CFiniteElementWorker(QObject* receiver, Done done);
    ~CFiniteElementWorker();
    CFiniteElementWorker(const CFiniteElementWorker&) = delete;
    CFiniteElementWorker& operator=(const CFiniteElementWorker&) = delete;

    // The fractions still to compute for the case numbered work.caseNumber.
    void HandOver(const ChartCase& chartCase, const CChartForm::FiniteElementWork& work);

private:
    void Run();

    QObject* receiver_;
    Done done_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::shared_ptr<const ChartCase> case_;
    unsigned caseNumber_ = 0;
    std::deque<double> queue_;
    std::set<double> started_;
    bool stopping_ = false;
    std::thread thread_;
};
