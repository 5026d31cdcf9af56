#include "core/fileworkers.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <map>
#include <mutex>
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

// Jobs prepared on the caller's thread, each run once, the end after the last.
TEST(FileWorkers, StepOnWorkers)
{
    const test::TempDir root("ordalis-workers-");
    for (int f = 0; f < 40; ++f)
        root.put("d" + std::to_string(f % 4) + "/s" + std::to_string(f % 3) + "/f" + std::to_string(f) + ".txt");
    const auto caller = std::this_thread::get_id();
    std::mutex mutex;
    std::map<std::string, int> operated;
    int prepared = 0, preparedElsewhere = 0;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    TreeWalk walk(root.path().string());
    FileWorkers workers(2);
    const auto prepare = [&](const std::string& path) -> FileWorkers::Job {
        preparedElsewhere += std::this_thread::get_id() != caller;
        ++prepared;
        if (path.ends_with("5.txt"))
            return {};  // nothing to do for this one
        return [&, path] {
            if (path.ends_with("f0.txt"))
                released.wait();
            const std::lock_guard lock(mutex);
            ++operated[path];
        };
    };
    int steps = 0;
    while (stepOnWorkers(walk, workers, milliseconds(1), prepare)) {
        if (++steps == 50)  // the walk itself is long over by now
            release.set_value();
        ASSERT_LT(steps, 100000);
    }
    EXPECT_GE(steps, 50);  // the blocked operation held the end back
    EXPECT_EQ(prepared, 40);
    EXPECT_EQ(preparedElsewhere, 0);
    EXPECT_EQ(operated.size(), 36u);
    EXPECT_TRUE(std::all_of(operated.begin(), operated.end(), [](const auto& op) { return op.second == 1; }));
}

}  // namespace
}  // namespace ordalis
