// A few worker threads that carry out file operations handed over by a
// producer (a window preparing the files of a walk), so that the system
// calls of different files overlap. Jobs run in no particular order between
// workers; each job must deal with one file only and must not throw (an
// exception is swallowed, the job counts as done).
#pragma once

#include "core/treewalk.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <semaphore>
#include <string>
#include <thread>
#include <vector>

namespace ordalis {

class FileWorkers {
public:
    using Job = std::function<void()>;

    // `threads` workers; 0 picks one per processor, at most four (file
    // operations gain little beyond that).
    explicit FileWorkers(unsigned threads = 0);
    // Waits for every job handed over, then ends the workers.
    ~FileWorkers();
    FileWorkers(const FileWorkers&) = delete;
    FileWorkers& operator=(const FileWorkers&) = delete;

    // Hands over a job; never blocks. An empty job is ignored.
    void post(Job job);
    // Hands over the jobs of `jobs` at once (cheaper than one by one) and
    // empties it.
    void post(std::vector<Job>& jobs);

    // Jobs handed over and not finished yet.
    std::size_t pending() const;

    // Waits until fewer than `limit` jobs are pending, at most `timeout`;
    // true when they are.
    bool waitBelow(std::size_t limit, std::chrono::milliseconds timeout);

    // Waits until every job handed over is finished.
    void wait();

    unsigned threads() const { return count_; }

private:
    void run();
    void end();  // stops and joins the workers once the queue is empty

    mutable std::mutex mutex_;
    std::condition_variable jobReady_;
    std::condition_variable jobDone_;
    std::deque<Job> queue_;
    std::size_t pending_ = 0;  // queued plus running
    bool ending_ = false;
    const unsigned count_;
    std::vector<std::thread> workers_;
};

// The walk of a whole-folder command, on a thread of its own, for a
// consumer on another thread that turns each file into a job for `workers`:
// hands the files under `root` (TreeWalk's order) to `deliver` in batches.
// Before each batch, and once after the last, it waits until the consumer
// has released `taken` for the one before (`taken` starts released) and
// while the workers are far behind, so that a slow consumer (one waiting
// for the user) or slow jobs hold few paths and jobs in memory. Returns once
// the last batch is taken, or soon after `stop` is set.
void walkInBatches(const std::string& root, FileWorkers& workers, std::binary_semaphore& taken,
                   const std::atomic<bool>& stop, const std::function<void(std::vector<std::string>&& batch)>& deliver);

}  // namespace ordalis
