#include "prjmigr/job_thread.h"

#include <system_error>
#include <utility>

JobThread::~JobThread()
{
    wait();
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void JobThread::start(std::function<void()> job, size_t weight)
{
    given_weight_ += weight;
    if (!thread_.joinable() && given_weight_ < weight_at_once_) {
        job();
        return;
    }
    if (!thread_.joinable()) {
        try {
            thread_ = std::thread(&JobThread::run, this);
        } catch (const std::system_error&) {
            job();
            return;
        }
    }
    {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return queued_weight_ < weight_ahead_; });
        queue_.push_back({std::move(job), weight});
        queued_weight_ += weight;
        ++unfinished_;
    }
    changed_.notify_all();
}

void JobThread::wait()
{
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return unfinished_ == 0; });
}

void JobThread::run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        if (queue_.empty())
            return;
        Job job = std::move(queue_.front());
        queue_.pop_front();
        queued_weight_ -= job.weight;
        changed_.notify_all();
        lock.unlock();
        job.run();
        // What the job holds (a tree of records) is freed here, off the reading thread.
        job.run = nullptr;
        lock.lock();
        --unfinished_;
        changed_.notify_all();
    }
}
