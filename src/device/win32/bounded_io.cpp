#include "device/win32/bounded_io.h"

#include <memory>

namespace norvale {
namespace {

// Shared between the caller and the worker, so either may go first.
struct IoJob {
    BlockingIo io;
    std::vector<std::uint8_t> report;
    IoOutcome outcome;
};

// How long a cancelled call gets to return before it is abandoned.
constexpr DWORD kCancelGraceMs = 500;

DWORD WINAPI RunJob(void* parameter)
{
    const std::unique_ptr<std::shared_ptr<IoJob>> job(static_cast<std::shared_ptr<IoJob>*>(parameter));
    IoJob& work = **job;
    work.outcome.succeeded = work.io(work.report, work.outcome.transferred);
    return 0;
}

}  // namespace

IoOutcome RunBoundedIo(BlockingIo io, std::vector<std::uint8_t>& report, DWORD timeoutMs)
{
    auto job = std::make_shared<IoJob>(IoJob{std::move(io), report, {}});
    auto* workerShare = new std::shared_ptr<IoJob>(job);
    HANDLE worker = CreateThread(nullptr, 0, RunJob, workerShare, 0, nullptr);
    if (!worker) {
        delete workerShare;
        return {};
    }
    bool finished = WaitForSingleObject(worker, timeoutMs) == WAIT_OBJECT_0;
    if (!finished) {
        CancelSynchronousIo(worker);
        WaitForSingleObject(worker, kCancelGraceMs);
    }
    CloseHandle(worker);
    if (!finished) return {};
    report = job->report;
    return job->outcome;
}

}  // namespace norvale
