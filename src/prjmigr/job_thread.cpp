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

void JobThread::start(std::function<void()> job)
{
    wait();
    if (!thread_.joinable()) {
        try {
            thread_ = std::thread(&JobThread::run, this);
        } catch (const std::system_error&) {
            job();
            return;
        }
    }
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        job_ = std::move(job);
        busy_ = true;
    }
    changed_.notify_all();
}

void JobThread::wait()
{
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return !busy_; });
}

void JobThread::run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || busy_; });
        if (!busy_)
            return;
        std::function<void()> job = std::exchange(job_, nullptr);
        lock.unlock();
        job();
        // What the job holds (a tree of records) is freed here, off the reading thread.
        job = nullptr;
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}
