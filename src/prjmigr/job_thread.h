// Runs jobs one after the other, in the order given, on a thread of its own, so
// that the driver reads the next legacy files while the trees read before them
// are formatted and written.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class JobThread {
public:
    // The giver waits while the jobs not begun weigh `weight_ahead` or more
    // (trees in memory, counted in records). Jobs run at once, on the giver's
    // thread, until they weigh `weight_at_once` in all: a small run is over
    // before a thread of its own would pay for itself.
    JobThread(size_t weight_ahead, size_t weight_at_once)
        : weight_ahead_(weight_ahead), weight_at_once_(weight_at_once)
    {
    }
    // Waits for every job given.
    ~JobThread();
    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;

    // Queues `job` behind the others; it is destroyed on the thread once run.
    // Runs it at once while the jobs given weigh less than `weight_at_once`,
    // or without a thread to be had (a process limit).
    void start(std::function<void()> job, size_t weight);

    // Waits until every job given is done.
    void wait();

private:
    struct Job {
        std::function<void()> run;
        size_t weight;
    };

    void run();

    const size_t weight_ahead_;
    const size_t weight_at_once_;
    size_t given_weight_ = 0;  // of every job given
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> queue_;   // given, not begun
    size_t queued_weight_ = 0;
    size_t unfinished_ = 0;   // given, not yet done
    bool stopping_ = false;
    std::thread thread_;
};
