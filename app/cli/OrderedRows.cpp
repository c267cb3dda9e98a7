#include "OrderedRows.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {

// Rows are handed out in chunks, so that quick rows (a UD ply takes microseconds) do not spend
// their time on locks, yet slow ones (a finite-element fabric takes a second) still spread over
// every thread: a chunk is at most an eighth of one thread's share.
constexpr std::size_t kLargestChunk = 64;
constexpr std::size_t kChunksPerJob = 8;
// Chunks computed ahead of the consumer, per job.
constexpr std::size_t kChunksAheadPerJob = 4;

// One chunk once its worker is done: its rows, and the exception of the row after them when one
// failed (the chunk then ends there).
struct Chunk {
    std::vector<Calculation> rows;
    std::exception_ptr failure;
    bool ready = false;
};

// The chunks in flight between the workers and the consumer. Chunk c lives in slot c % size
// until it is consumed; a worker claims a chunk only when its slot is free.
class CChunkWindow {
public:
    CChunkWindow(std::size_t chunkCount, std::size_t size)
        : chunkCount_(chunkCount), slots_(size) {}

    // The next chunk for a worker, or nothing when the run is over or stopped.
    std::optional<std::size_t> Claim() {
        std::unique_lock<std::mutex> lock(mutex_);
        space_.wait(lock, [&] {
            return stopped_ || next_ >= chunkCount_ || next_ < consumed_ + slots_.size();
        });
        if (stopped_ || next_ >= chunkCount_) {
            return std::nullopt;
        }
        return next_++;
    }

    void Deliver(std::size_t index, Chunk chunk) {
        std::lock_guard<std::mutex> lock(mutex_);
        Chunk& slot = slots_[index % slots_.size()];
        slot = std::move(chunk);
        slot.ready = true;
        ready_.notify_all();
    }

    // Waits for chunk `index` and takes it out of the window.
    Chunk Take(std::size_t index) {
        std::unique_lock<std::mutex> lock(mutex_);
        Chunk& slot = slots_[index % slots_.size()];
        ready_.wait(lock, [&] { return slot.ready; });
        Chunk taken = std::move(slot);
        slot = Chunk{};
        consumed_ = index + 1;
        space_.notify_all();
        return taken;
    }

    void Stop() {
        std::lock_guard<std::mutex> lock(mutex_);
        stopped_ = true;
        space_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable space_;
    std::condition_variable ready_;
    const std::size_t chunkCount_;
    std::vector<Chunk> slots_;
    std::size_t next_ = 0;
    std::size_t consumed_ = 0;
    bool stopped_ = false;
};

// The worker threads; stopped and joined however the consumer leaves.
class CWorkers {
public:
    CWorkers(CChunkWindow& window, std::size_t jobs, std::size_t count, std::size_t chunkSize,
             const std::function<Calculation(std::size_t)>& compute)
        : window_(window) {
        for (std::size_t j = 0; j < jobs; ++j) {
            threads_.emplace_back([&window, &compute, count, chunkSize] {
                while (std::optional<std::size_t> index = window.Claim()) {
                    Chunk chunk;
                    const std::size_t end = std::min(count, (*index + 1) * chunkSize);
                    try {
                        for (std::size_t row = *index * chunkSize; row < end; ++row) {
                            chunk.rows.push_back(compute(row));
                        }
                    } catch (...) {
                        chunk.failure = std::current_exception();
                    }
                    window.Deliver(*index, std::move(chunk));
                }
            });
        }
    }
    ~CWorkers() {
        window_.Stop();
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }
    CWorkers(const CWorkers&) = delete;
    CWorkers& operator=(const CWorkers&) = delete;

private:
    CChunkWindow& window_;
    std::vector<std::thread> threads_;
};

}  // namespace

void ComputeInOrder(std::size_t count, int jobs,
                    const std::function<Calculation(std::size_t)>& compute,
                    const std::function<void(Calculation&)>& consume) {
    if (jobs <= 1 || count <= 1) {
        for (std::size_t i = 0; i < count; ++i) {
            Calculation row = compute(i);
            consume(row);
        }
        return;
    }
    const std::size_t workers = std::min<std::size_t>(static_cast<std::size_t>(jobs), count);
    const std::size_t chunkSize =
        std::clamp<std::size_t>(count / (workers * kChunksPerJob), 1, kLargestChunk);
    const std::size_t chunkCount = (count + chunkSize - 1) / chunkSize;
    CChunkWindow window(chunkCount, kChunksAheadPerJob * workers);
    CWorkers threads(window, workers, count, chunkSize, compute);
    for (std::size_t c = 0; c < chunkCount; ++c) {
        Chunk chunk = window.Take(c);
        for (Calculation& row : chunk.rows) {
            consume(row);
        }
        if (chunk.failure) {
            std::rethrow_exception(chunk.failure);
        }
    }
}
