// The pipeline's threads share one mutex and one condition variable: the
// work per frame (milliseconds of encoding) dwarfs the hand-over.
#include "tools/swarmsim/frame_pipeline.h"

FramePipeline::FramePipeline(int workers, std::size_t capacity, PrepareFrame prepare, DeliverFrame deliver)
    : prepare_(std::move(prepare)), deliver_(std::move(deliver)), capacity_(capacity < 1 ? 1 : capacity) {
    for (int i = 0; i < (workers < 1 ? 1 : workers); ++i) workers_.emplace_back([this] { Work(); });
}

FramePipeline::~FramePipeline() {
    std::string ignored;
    Finish(ignored);
}

bool FramePipeline::Submit(PreparedFrame frame) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return failed_ || submitted_ - delivered_ < capacity_; });
    if (failed_) return false;
    frame.number = ++submitted_;
    waiting_.push_back(std::move(frame));
    changed_.notify_all();
    return true;
}

PreparedFrame FramePipeline::TakeSpare() {
    std::lock_guard lock(mutex_);
    if (spares_.empty()) return PreparedFrame{};
    PreparedFrame spare = std::move(spares_.back());
    spares_.pop_back();
    return spare;
}

bool FramePipeline::Finish(std::string& error) {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
        changed_.notify_all();
    }
    for (std::thread& worker : workers_) worker.join();
    workers_.clear();
    std::lock_guard lock(mutex_);
    error = error_;
    return !failed_;
}

void FramePipeline::Work() {
    for (;;) {
        PreparedFrame frame;
        if (!TakeNext(frame)) return;
        std::string error;
        const bool prepared = !prepare_ || prepare_(frame, error);
        DeliverInTurn(frame, prepared, error);
    }
}

// False when there is nothing more to do: closing with nothing waiting, or
// a frame has failed.
bool FramePipeline::TakeNext(PreparedFrame& frame) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return failed_ || closing_ || !waiting_.empty(); });
    if (failed_ || waiting_.empty()) return false;
    frame = std::move(waiting_.front());
    waiting_.pop_front();
    return true;
}

// Waits for the frame before this one, then delivers this one unless a frame
// has failed; the first failure is kept and stops everything.
void FramePipeline::DeliverInTurn(PreparedFrame& frame, bool prepared, std::string& error) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return failed_ || delivered_ + 1 == frame.number; });
    if (failed_) return;
    bool delivered = prepared;
    if (prepared) {
        // The sink runs outside the lock; no other frame can be in turn now.
        lock.unlock();
        delivered = deliver_(frame, error);
        lock.lock();
    }
    if (delivered) {
        ++delivered_;
        if (spares_.size() < capacity_) spares_.push_back(std::move(frame));
    } else {
        failed_ = true;
        error_ = error;
    }
    changed_.notify_all();
}
