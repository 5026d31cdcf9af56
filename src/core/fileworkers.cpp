#include "core/fileworkers.h"

#include <algorithm>

namespace ordalis {

namespace {

constexpr unsigned kMaxThreads = 4;
constexpr std::size_t kBatch = 16;  // jobs a worker takes at once
// Jobs queued beyond which a walk waits for the workers: enough to keep
// them busy while the consumer prepares the next batch, little memory.
constexpr std::size_t kBacklog = 4096;
constexpr std::size_t kHandOver = 256;  // files a walk hands over at once
// How often a waiting walk looks whether it was stopped.
constexpr std::chrono::milliseconds kWaitSlice(20);

unsigned threadCount(unsigned wanted)
{
    if (wanted == 0)
        wanted = std::min(std::max(std::thread::hardware_concurrency(), 1u), kMaxThreads);
    return wanted;
}

// Waits until the previous batch is taken and the workers are not far
// behind; false once `stop` is set.
bool waitForConsumer(FileWorkers& workers, std::binary_semaphore& taken, const std::atomic<bool>& stop)
{
    while (!taken.try_acquire_for(kWaitSlice)) {
        if (stop)
            return false;
    }
    while (!workers.waitBelow(kBacklog, kWaitSlice)) {
        if (stop)
            return false;
    }
    return !stop;
}

}  // namespace

FileWorkers::FileWorkers(unsigned threads) : count_(threadCount(threads))
{
    workers_.reserve(count_);
    try {
        for (unsigned i = 0; i < count_; ++i)
            workers_.emplace_back([this] { run(); });
    } catch (...) {  // the system refused a thread: end the ones started
        end();
        throw;
    }
}

FileWorkers::~FileWorkers()
{
    wait();
    end();
}

void FileWorkers::end()
{
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    jobReady_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

void FileWorkers::post(Job job)
{
    if (!job)
        return;
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(job));
        ++pending_;
    }
    jobReady_.notify_one();
}

void FileWorkers::post(std::vector<Job>& jobs)
{
    {
        const std::lock_guard lock(mutex_);
        for (Job& job : jobs) {
            if (job) {
                queue_.push_back(std::move(job));
                ++pending_;
            }
        }
    }
    jobs.clear();
    jobReady_.notify_all();
}

std::size_t FileWorkers::pending() const
{
    const std::lock_guard lock(mutex_);
    return pending_;
}

bool FileWorkers::waitBelow(std::size_t limit, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    return jobDone_.wait_for(lock, timeout, [&] { return pending_ < limit; });
}

void FileWorkers::wait()
{
    std::unique_lock lock(mutex_);
    jobDone_.wait(lock, [&] { return pending_ == 0; });
}

void FileWorkers::run()
{
    std::vector<Job> batch;
    std::unique_lock lock(mutex_);
    for (;;) {
        jobReady_.wait(lock, [&] { return ending_ || !queue_.empty(); });
        if (queue_.empty())
            return;  // ending, nothing left
        // A share of what is queued, so that the last jobs spread over all
        // workers too.
        const std::size_t take = std::clamp<std::size_t>(queue_.size() / count_, 1, kBatch);
        for (std::size_t i = 0; i < take; ++i) {
            batch.push_back(std::move(queue_.front()));
            queue_.pop_front();
        }
        lock.unlock();
        for (Job& job : batch) {
            try {
                job();
            } catch (...) {
            }
        }
        batch.clear();
        lock.lock();
        pending_ -= take;
        jobDone_.notify_all();
    }
}

void walkInBatches(const std::string& root, FileWorkers& workers, std::binary_semaphore& taken,
                   const std::atomic<bool>& stop, const std::function<void(std::vector<std::string>&& batch)>& deliver)
{
    TreeWalk walk(root);
    std::vector<std::string> batch;
    const auto add = [&batch](const std::string& path) { batch.push_back(path); };
    bool more = true;
    while (more && !stop) {
        more = walk.step(std::chrono::milliseconds(0), add);  // one entry
        if (batch.size() == kHandOver || (!more && !batch.empty())) {
            if (!waitForConsumer(workers, taken, stop))
                return;
            deliver(std::move(batch));
            batch.clear();
        }
    }
    if (!stop)
        waitForConsumer(workers, taken, stop);
}

}  // namespace ordalis
