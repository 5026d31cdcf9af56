// A few worker threads that carry out file operations handed over by a
// producer (a walk driven from a window's event loop), so that the system
// calls of different files overlap. Jobs run in no particular order between
// workers; each job must deal with one file only and must not throw (an
// exception is swallowed, the job counts as done).
#pragma once

#include "core/treewalk.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
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

// One step of a walk whose file operations run on `workers`, for a caller
// that drives the walk from its event loop: when the workers are far behind
// it only waits for them a few milliseconds; else it walks for `budget`,
// handing over the job `prepare` makes for each file (`prepare` runs on the
// calling thread; an empty job is skipped). Once the walk is over it waits
// a few milliseconds for the last jobs. Returns true while the walk or its
// jobs are not finished.
bool stepOnWorkers(TreeWalk& walk, FileWorkers& workers, std::chrono::milliseconds budget,
                   const std::function<FileWorkers::Job(const std::string& path)>& prepare);

}  // namespace ordalis
