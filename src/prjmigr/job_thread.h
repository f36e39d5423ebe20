// Runs one job at a time on a thread of its own, so that the driver reads the
// next legacy file while the tree read before it is formatted and written.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class JobThread {
public:
    JobThread() = default;
    // Waits for the job in hand.
    ~JobThread();
    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;

    // Waits for the job in hand, then starts `job`, which is destroyed on the
    // thread once run. Without a thread to be had (a process limit), runs it at once.
    void start(std::function<void()> job);

    // Waits until the job in hand is done.
    void wait();

private:
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::function<void()> job_;  // started, not yet taken up by the thread
    bool busy_ = false;          // a job is in hand: started, not yet done
    bool stopping_ = false;
    std::thread thread_;
};
