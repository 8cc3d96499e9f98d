#include "device/io_worker.h"

#include <algorithm>
#include <condition_variable>
#include <system_error>
#include <vector>

namespace norvale {
namespace {

struct Job {
    BlockingIo io;
    std::vector<std::uint8_t> report;
    IoResult result;
    bool done = false;
};

}  // namespace

// Shared by the owner and its thread, so that an abandoned thread keeps
// everything it still works on.
struct IoWorker::Channel {
    std::mutex mutex;
    std::condition_variable changed;
    std::shared_ptr<Job> waiting;
    bool stopping = false;
    bool ready = false;
    CancelIo cancel;
};

void IoWorker::Serve(const std::shared_ptr<Channel>& channel, const CancellerForThisThread& canceller)
{
    CancelIo cancel = canceller();
    std::unique_lock lock(channel->mutex);
    channel->cancel = std::move(cancel);
    channel->ready = true;
    channel->changed.notify_all();
    for (;;) {
        channel->changed.wait(lock, [&] { return channel->stopping || channel->waiting; });
        if (channel->stopping) return;
        const std::shared_ptr<Job> job = std::move(channel->waiting);
        lock.unlock();
        const IoResult result = job->io(job->report);
        lock.lock();
        job->result = result;
        job->done = true;
        channel->changed.notify_all();
    }
}

IoWorker::IoWorker(CancellerForThisThread canceller, std::chrono::milliseconds grace)
    : canceller_(std::move(canceller)), grace_(grace)
{
}

IoWorker::~IoWorker()
{
    // Only an idle thread is ever left here: Run abandons a stuck one.
    if (thread_.joinable()) Release().join();
}

IoOutcome IoWorker::Run(BlockingIo io, std::span<std::uint8_t> report, std::chrono::milliseconds timeout)
{
    const std::lock_guard turn(turn_);
    if (!thread_.joinable() && !Start()) return {};
    const std::shared_ptr<Channel> channel = channel_;
    const auto job = std::make_shared<Job>(Job{std::move(io), {report.begin(), report.end()}, {}, false});
    const auto done = [&job] { return job->done; };

    std::unique_lock lock(channel->mutex);
    channel->waiting = job;
    channel->changed.notify_all();
    if (channel->changed.wait_for(lock, timeout, done)) {
        if (job->result.succeeded) std::copy(job->report.begin(), job->report.end(), report.begin());
        return {IoStatus::Finished, job->result};
    }
    const CancelIo cancel = channel->cancel;
    lock.unlock();
    if (cancel) cancel();
    lock.lock();
    if (!channel->changed.wait_for(lock, grace_, done)) {
        lock.unlock();
        Release().detach();
    }
    return {IoStatus::TimedOut, {}};
}

bool IoWorker::Start()
{
    channel_ = std::make_shared<Channel>();
    try {
        thread_ = std::thread(Serve, channel_, canceller_);
    } catch (const std::system_error&) {
        channel_.reset();
        return false;
    }
    // The first call's time-out is for the call, not for the thread's start.
    std::unique_lock lock(channel_->mutex);
    channel_->changed.wait(lock, [this] { return channel_->ready; });
    return true;
}

// Tells the thread to end once it is done with any call, and hands it over.
std::thread IoWorker::Release()
{
    {
        const std::lock_guard lock(channel_->mutex);
        channel_->stopping = true;
    }
    channel_->changed.notify_all();
    channel_.reset();
    return std::move(thread_);
}

}  // namespace norvale
