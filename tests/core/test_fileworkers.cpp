#include "core/fileworkers.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <optional>
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

// A walk in batches on a thread of its own, and its batches as a window's thread receives them.
class BatchWalk {
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<std::vector<std::string>> queue_;

public:
    void start(const test::TempDir& root, FileWorkers& workers)
    {
        walker = std::async(std::launch::async, [this, &workers, path = root.path().string()] {
            walkInBatches(path, workers, taken, stop, [this](std::vector<std::string>&& batch) {
                const std::lock_guard lock(mutex_);
                queue_.push_back(std::move(batch));
                arrived_.notify_one();
            });
        });
    }
    // The next batch, or nothing when none comes within `timeout`.
    std::optional<std::vector<std::string>> next(milliseconds timeout)
    {
        std::unique_lock lock(mutex_);
        if (!arrived_.wait_for(lock, timeout, [&] { return !queue_.empty(); }))
            return std::nullopt;
        std::vector<std::string> batch = std::move(queue_.front());
        queue_.pop_front();
        return batch;
    }

    std::binary_semaphore taken{1};
    std::atomic<bool> stop{false};
    std::future<void> walker;  // last: its end waits for the walk
};

// Every file once, in the walk's order, one batch ahead of the consumer at most; the end after the last is taken.
TEST(FileWorkers, WalkInBatchesStaysOneBatchAhead)
{
    const test::TempDir root("ordalis-batches-");
    for (int f = 0; f < 600; ++f)
        root.put("d" + std::to_string(f % 3) + "/f" + std::to_string(f) + ".txt");
    std::vector<std::string> order, received;
    for (TreeWalk walk(root.path().string()); walk.step(milliseconds(100), [&](const std::string& p) { order.push_back(p); });) {
    }
    FileWorkers workers(1);
    BatchWalk walk;
    walk.start(root, workers);
    std::vector<std::size_t> sizes;
    while (received.size() < order.size()) {
        std::optional<std::vector<std::string>> batch = walk.next(milliseconds(5000));
        ASSERT_TRUE(batch);
        if (sizes.empty()) {
            EXPECT_FALSE(walk.next(milliseconds(30))) << "a second batch before the first was taken";
        }
        sizes.push_back(batch->size());
        received.insert(received.end(), batch->begin(), batch->end());
        EXPECT_EQ(walk.walker.wait_for(milliseconds(sizes.size() == 3 ? 30 : 0)), std::future_status::timeout);
        walk.taken.release();
    }
    EXPECT_EQ(walk.walker.wait_for(milliseconds(5000)), std::future_status::ready);
    EXPECT_EQ(sizes, (std::vector<std::size_t>{256, 256, 88}));
    EXPECT_EQ(received, order);
}

// Stopped while it waits, for its consumer or for the workers, the walk returns without another batch.
TEST(FileWorkers, WalkInBatchesStopsWhileWaiting)
{
    struct Row { const char* name; bool workersBehind; std::size_t batches; };  // 4096 jobs: the most a walk lets queue
    for (const Row& row : {Row{"batch not taken", false, 1}, Row{"workers far behind", true, 0}}) {
        const test::TempDir root("ordalis-batches-");
        for (int f = 0; f < 600; ++f)
            root.put("f" + std::to_string(f));
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        FileWorkers workers(1);
        for (int i = 0; row.workersBehind && i < 4096; ++i)
            workers.post([released] { released.wait(); });
        BatchWalk walk;
        walk.start(root, workers);
        std::size_t received = 0;
        while (walk.next(milliseconds(50)))
            ++received;
        EXPECT_EQ(received, row.batches) << row.name;
        walk.stop = true;
        EXPECT_EQ(walk.walker.wait_for(milliseconds(5000)), std::future_status::ready) << row.name;
        EXPECT_FALSE(walk.next(milliseconds(0))) << row.name;
        release.set_value();
    }
}

}  // namespace
}  // namespace ordalis
