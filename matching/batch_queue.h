// A bounded queue of batches between the one thread that reads the case
// store and the threads that chart the persons: the reader waits while the
// queue is full, so the records in memory stay few whatever the store's size.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>

namespace matching {

template <typename Batch>
class BatchQueue {
public:
    explicit BatchQueue(std::size_t capacity) : capacity_(capacity) {}

    // Waits for room; the batch is moved in.
    void Push(Batch&& batch) {
        std::unique_lock lock(mutex_);
        notFull_.wait(lock, [&] { return batches_.size() < capacity_; });
        batches_.push_back(std::move(batch));
        notEmpty_.notify_one();
    }

    // Waits for a batch; false once the queue is closed and empty.
    bool Pop(Batch& batch) {
        std::unique_lock lock(mutex_);
        notEmpty_.wait(lock, [&] { return !batches_.empty() || closed_; });
        if (batches_.empty()) return false;
        batch = std::move(batches_.front());
        batches_.pop_front();
        notFull_.notify_one();
        return true;
    }

    // No more batches will come.
    void Close() {
        std::lock_guard lock(mutex_);
        closed_ = true;
        notEmpty_.notify_all();
    }

private:
    std::size_t capacity_;
    std::mutex mutex_;
    std::condition_variable notFull_, notEmpty_;
    std::deque<Batch> batches_;
    bool closed_ = false;
};

}  // namespace matching
