#include "core/fileworkers.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <semaphore>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace ordalis {
namespace {

using std::chrono::milliseconds;

// Each job runs once, a throwing job stops no other, pending() counts a running job.
TEST(FileWorkers, EveryJobRunsOnceAndPendingCountsRunningJobs)
{
    constexpr int kJobs = 20000;
    std::vector<std::atomic<int>> runs(kJobs);
    {
        EXPECT_EQ(FileWorkers(1).threads(), 1u);
        const unsigned picked = FileWorkers(0).threads();
        EXPECT_TRUE(picked >= 1 && picked <= 4) << picked;
        FileWorkers workers(3);
        EXPECT_EQ(workers.threads(), 3u);
        std::vector<FileWorkers::Job> batch;
        for (int i = 0; i < kJobs; ++i) {
            auto job = [&runs, i] {
                ++runs[std::size_t(i)];
                if (i % 10 == 0)
                    throw std::runtime_error("failed");
            };
            if (i % 2)
                workers.post(job);
            else
                batch.push_back(job);
            if (batch.size() == 100)
                workers.post(batch);
        }
        workers.post(batch);
    }  // the destructor finishes what was handed over
    EXPECT_TRUE(std::all_of(runs.begin(), runs.end(), [](const auto& n) { return n == 1; }));

    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    FileWorkers workers(1);
    workers.post(FileWorkers::Job());  // empty: ignored
    workers.post([released] { released.wait(); });
    workers.post([] {});
    EXPECT_FALSE(workers.waitBelow(1, milliseconds(20)));
    EXPECT_EQ(workers.pending(), 2u);
    release.set_value();
    EXPECT_TRUE(workers.waitBelow(1, milliseconds(5000)));
    EXPECT_EQ(workers.pending(), 0u);
}

// Every file once, in the walk's order, in batches of 256 at most, each one delivered once the one before was
// taken; stopped while it waits, for its consumer or for workers far behind (4096 jobs: the most a walk lets
// queue), the walk returns without another batch.
TEST(FileWorkers, WalkInBatchesWaitsForItsConsumerAndItsWorkers)
{
    const test::TempDir root("ordalis-batches-");
    for (int f = 0; f < 600; ++f)
        root.put("d" + std::to_string(f % 3) + "/f" + std::to_string(f) + ".txt");
    std::vector<std::string> order;
    for (TreeWalk walk(root.path().string()); walk.step(milliseconds(100), [&](const std::string& p) { order.push_back(p); });) {
    }
    struct Row { const char* name; int jobsAhead; int batchesTaken; std::vector<std::size_t> sizes; };
    const Row rows[] = {
        {"every batch taken", 0, 3, {256, 256, 88}},
        {"second batch not taken", 0, 1, {256, 256}},
        {"workers far behind", 4096, 0, {}},
    };
    for (const Row& row : rows) {
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        FileWorkers workers(1);
        for (int i = 0; i < row.jobsAhead; ++i)
            workers.post([released] { released.wait(); });
        std::binary_semaphore taken{1};
        std::counting_semaphore<> delivered{0};
        std::atomic<bool> stop{false};
        std::vector<std::size_t> sizes;
        std::vector<std::string> received;
        auto walker = std::async(std::launch::async, [&] {
            walkInBatches(root.path().string(), workers, taken, stop, [&](std::vector<std::string>&& batch) {
                sizes.push_back(batch.size());
                received.insert(received.end(), batch.begin(), batch.end());
                delivered.release();
            });
        });
        for (int n = 0; n < row.batchesTaken; ++n) {
            EXPECT_TRUE(delivered.try_acquire_for(milliseconds(5000))) << row.name;
            taken.release();
        }
        while (delivered.try_acquire_for(milliseconds(50))) {
        }
        stop = true;
        EXPECT_EQ(walker.wait_for(milliseconds(5000)), std::future_status::ready) << row.name;
        EXPECT_EQ(sizes, row.sizes) << row.name;
        EXPECT_EQ(received, std::vector<std::string>(order.begin(), order.begin() + long(received.size()))) << row.name;
        release.set_value();
    }
}

}  // namespace
}  // namespace ordalis
