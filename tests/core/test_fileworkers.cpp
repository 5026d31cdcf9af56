#include "core/fileworkers.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace ordalis {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

TEST(FileWorkers, EveryJobRunsExactlyOnceBeforeWaitReturns)
{
    constexpr int kJobs = 20000;
    std::vector<std::atomic<int>> runs(kJobs);
    FileWorkers workers(3);
    EXPECT_EQ(workers.threads(), 3u);
    std::vector<FileWorkers::Job> batch;
    for (int i = 0; i < kJobs; ++i) {
        auto job = [&runs, i] { ++runs[std::size_t(i)]; };
        if (i % 2)
            workers.post(job);
        else
            batch.push_back(job);
        if (batch.size() == 100)
            workers.post(batch);
    }
    workers.post(batch);
    EXPECT_TRUE(batch.empty());
    workers.wait();
    EXPECT_EQ(workers.pending(), 0u);
    for (int i = 0; i < kJobs; ++i)
        ASSERT_EQ(runs[std::size_t(i)], 1) << "job " << i;
}

TEST(FileWorkers, PendingCountsARunningJobUntilItEnds)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    FileWorkers workers(1);
    workers.post(FileWorkers::Job());  // empty: ignored
    EXPECT_EQ(workers.pending(), 0u);
    workers.post([released] { released.wait(); });
    workers.post([] {});
    EXPECT_FALSE(workers.waitBelow(1, milliseconds(20)));
    EXPECT_EQ(workers.pending(), 2u);
    release.set_value();
    EXPECT_TRUE(workers.waitBelow(1, milliseconds(5000)));
    EXPECT_EQ(workers.pending(), 0u);
}

TEST(FileWorkers, AThrowingJobDoesNotStopTheOthers)
{
    std::atomic<int> done{0};
    {
        FileWorkers workers(2);
        for (int i = 0; i < 100; ++i) {
            workers.post([&done, i] {
                if (i % 10 == 0)
                    throw std::runtime_error("failed");
                ++done;
            });
        }
    }  // the destructor finishes what was handed over
    EXPECT_EQ(done, 90);
}

// A walk whose operations run on the workers, in a real temporary tree.
class StepOnWorkersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = test::makeTempDir("ordalis-workers-");
        for (int f = 0; f < 40; ++f) {
            const fs::path folder = root_ / ("d" + std::to_string(f % 4)) / ("s" + std::to_string(f % 3));
            fs::create_directories(folder);
            std::ofstream(folder / ("f" + std::to_string(f) + ".txt")) << "x";
        }
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path root_;
};

TEST_F(StepOnWorkersTest, PreparesOnTheCallerRunsEachOperationOnceAndEndsAfterTheLast)
{
    const auto caller = std::this_thread::get_id();
    std::mutex mutex;
    std::map<std::string, int> operated;
    int prepared = 0, preparedElsewhere = 0;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();

    TreeWalk walk(root_.string());
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
    EXPECT_EQ(workers.pending(), 0u);
    EXPECT_EQ(prepared, 40);
    EXPECT_EQ(preparedElsewhere, 0);
    EXPECT_EQ(operated.size(), 36u);
    for (const auto& [path, count] : operated)
        EXPECT_EQ(count, 1) << path;
}

}  // namespace
}  // namespace ordalis
