// The formatting thread on its own: the order of jobs, the switch from running
// them at once to a thread, the giver held back, and a write failing there.
#include "prjmigr/job_thread.h"

#include <QFile>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <vector>

#include "writers/output_stream.h"

namespace {

using Ids = std::vector<std::thread::id>;

TEST(JobThreadTest, RunsJobsInOrderAtOnceUntilTheyWeighEnoughThenOnItsThread)
{
    JobThread<Ids> jobs(Ids{}, JobLimits{100, 3});
    for (int i = 0; i < 6; ++i)
        jobs.start([](Ids& ids) { ids.push_back(std::this_thread::get_id()); }, 1);
    EXPECT_TRUE(jobs.threaded());
    const Ids ids = jobs.wait();
    ASSERT_EQ(ids.size(), 6u);
    const std::thread::id giver = std::this_thread::get_id();
    EXPECT_EQ(ids[0], giver);  // weights 1 and 2 stay below 3
    EXPECT_EQ(ids[1], giver);
    for (size_t i = 2; i < ids.size(); ++i)
        EXPECT_TRUE(ids[i] != giver && ids[i] == ids[2]) << i;
}

TEST(JobThreadTest, ASmallRunStartsNoThread)
{
    JobThread<std::vector<int>> jobs({}, JobLimits{100, 1024});
    for (int i = 0; i < 10; ++i)
        jobs.start([i](std::vector<int>& order) { order.push_back(i); }, 100);
    EXPECT_FALSE(jobs.threaded());
    EXPECT_EQ(jobs.wait(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(JobThreadTest, TheGiverWaitsWhileTheJobsNotBegunWeighTheLimit)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::promise<void> first_running;
    JobThread<std::vector<int>> jobs({}, JobLimits{2, 0});
    jobs.start([&](std::vector<int>& order) { first_running.set_value(); released.wait(); order.push_back(0); }, 1);
    first_running.get_future().wait();
    jobs.start([](std::vector<int>& order) { order.push_back(1); }, 1);  // queued: 1
    jobs.start([](std::vector<int>& order) { order.push_back(2); }, 1);  // queued: 2, the limit
    std::atomic<bool> given{false};
    std::thread giver([&] {
        jobs.start([](std::vector<int>& order) { order.push_back(3); }, 1);
        given = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(given);
    release.set_value();
    giver.join();
    EXPECT_TRUE(given);
    EXPECT_EQ(jobs.wait(), (std::vector<int>{0, 1, 2, 3}));
}

TEST(JobThreadTest, AWriteThatFailsOnTheThreadComesBackWithTheStream)
{
    QFile full(QStringLiteral("/dev/full"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    JobThread<OutputStream> jobs(OutputStream(&full), JobLimits{1, 0});
    const std::string megabyte(1 << 20, 'x');
    std::atomic<int> written{0};
    for (int i = 0; i < 4; ++i)
        jobs.start(
            [&](OutputStream& out) {
                if (out.failed())
                    return;
                out.put(megabyte);
                ++written;
            },
            1);
    const OutputStream out = jobs.wait();
    EXPECT_TRUE(out.failed());
    EXPECT_EQ(out.error(), ENOSPC);
    EXPECT_EQ(written, 2);  // the second megabyte handed the first to the device, which failed
}

}  // namespace
