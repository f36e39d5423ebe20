// Runs jobs one after the other, in the order given, on a thread of its own,
// so that the driver reads the next legacy files while the trees read before
// them are formatted and written. The thread owns one object (the output
// stream) that every job works on; wait() gives it back.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

// How much work the giver may hand over, counted in a weight of its own (the
// records of the trees in memory).
struct JobLimits {
    // The giver waits while the jobs not begun weigh this much or more.
    size_t weight_ahead = 16384;
    // Jobs run at once, on the giver's thread, until they weigh this much in
    // all: a small run is over before a thread of its own would pay for itself.
    size_t weight_at_once = 1024;
};

template <class Owned>
class JobThread {
public:
    using Job = std::function<void(Owned&)>;

    JobThread(Owned owned, JobLimits limits) : owned_(std::move(owned)), limits_(limits) {}
    // Waits for every job given.
    ~JobThread()
    {
        wait_for_jobs();
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        if (thread_.joinable())
            thread_.join();
    }
    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;

    // Queues `job` behind the others; it is destroyed on the thread once run,
    // so what it holds is freed there. Runs it at once while the jobs given
    // weigh less than `weight_at_once`, or without a thread to be had (a
    // process limit). Not after wait().
    void start(Job job, size_t weight)
    {
        given_weight_ += weight;
        if (!thread_.joinable() && given_weight_ < limits_.weight_at_once)
            return job(owned_);
        if (!thread_.joinable()) {
            try {
                thread_ = std::thread(&JobThread::run, this);
            } catch (const std::system_error&) {
                return job(owned_);
            }
        }
        {
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait(lock, [&] { return queued_weight_ < limits_.weight_ahead; });
            queue_.push_back({std::move(job), weight});
            queued_weight_ += weight;
            ++unfinished_;
        }
        changed_.notify_all();
    }

    // Waits until every job given is done and gives the object back.
    Owned wait()
    {
        wait_for_jobs();
        return std::move(owned_);
    }

    // Whether the jobs have run on a thread of their own.
    bool threaded() const { return thread_.joinable(); }

private:
    struct Queued {
        Job job;
        size_t weight;
    };

    void wait_for_jobs()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return unfinished_ == 0; });
    }

    void run()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            changed_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
            if (queue_.empty())
                return;
            Queued queued = std::move(queue_.front());
            queue_.pop_front();
            queued_weight_ -= queued.weight;
            changed_.notify_all();
            lock.unlock();
            queued.job(owned_);
            queued.job = nullptr;
            lock.lock();
            --unfinished_;
            changed_.notify_all();
        }
    }

    Owned owned_;  // the thread's while jobs are queued or running
    const JobLimits limits_;
    size_t given_weight_ = 0;  // of every job given
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Queued> queue_;  // given, not begun
    size_t queued_weight_ = 0;
    size_t unfinished_ = 0;  // given, not yet done
    bool stopping_ = false;
    std::thread thread_;
};
