#include "device/io_worker.h"

#include <gmock/gmock.h>

#include <array>
#include <condition_variable>
#include <vector>

namespace norvale {
namespace {

using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::SizeIs;

constexpr auto kPatient = 5s;   // a call meant to finish does so long before
constexpr auto kHurried = 20ms; // a call meant to time out
constexpr auto kGrace = 500ms;

// What the test's calls and cancellers share with the worker threads; an
// abandoned thread holds it too, as it may outlive the test.
struct Stage {
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    bool cancelRequested = false;
    int returned = 0;
    std::vector<std::thread::id> started;    // threads that made a canceller
    std::vector<std::thread::id> cancelled;  // threads whose canceller was used
    std::vector<std::thread::id> ranOn;      // threads that made a call
};

enum class OnCancel { Return, Ignore };

// Blocks until the stage opens or, unless it ignores it, a cancel comes, and
// scribbles on its copy of the report as it returns. A stuck call gives up
// after a while so that a wrongful wait for it fails instead of hanging.
BlockingIo Blocking(std::shared_ptr<Stage> stage, OnCancel onCancel)
{
    return [stage, onCancel](std::span<std::uint8_t> report) {
        std::unique_lock lock(stage->mutex);
        stage->ranOn.push_back(std::this_thread::get_id());
        stage->changed.wait_for(lock, kPatient, [&] {
            return stage->open || (onCancel == OnCancel::Return && stage->cancelRequested);
        });
        const bool cancelled = !stage->open;
        stage->cancelRequested = false;
        std::ranges::fill(report, 0xEE);
        ++stage->returned;
        stage->changed.notify_all();
        return cancelled ? IoResult{false, 0, 995} : IoResult{true, 0, 0};
    };
}

// Answers at once: writes its bytes and returns `result`.
BlockingIo Answering(std::shared_ptr<Stage> stage, std::vector<std::uint8_t> bytes, IoResult result)
{
    return [stage, bytes, result](std::span<std::uint8_t> report) {
        {
            const std::lock_guard lock(stage->mutex);
            stage->ranOn.push_back(std::this_thread::get_id());
        }
        std::ranges::copy(bytes, report.begin());
        return result;
    };
}

CancellerForThisThread Canceller(std::shared_ptr<Stage> stage)
{
    return [stage] {
        const std::thread::id self = std::this_thread::get_id();
        const std::lock_guard lock(stage->mutex);
        stage->started.push_back(self);
        return CancelIo([stage, self] {
            const std::lock_guard lock(stage->mutex);
            stage->cancelled.push_back(self);
            stage->cancelRequested = true;
            stage->changed.notify_all();
        });
    };
}

class IoWorking : public ::testing::Test {
protected:
    ~IoWorking() override { LetStuckCallsReturn(); }

    // Opens the stage and waits until every call made has returned.
    void LetStuckCallsReturn()
    {
        std::unique_lock lock(stage->mutex);
        stage->open = true;
        stage->changed.notify_all();
        stage->changed.wait(lock, [this] { return stage->returned == blockingCalls; });
    }
    IoOutcome RunBlocking(OnCancel onCancel)
    {
        ++blockingCalls;
        return worker->Run(Blocking(stage, onCancel), report, kHurried);
    }
    std::vector<std::thread::id> Recorded(std::vector<std::thread::id> Stage::*list)
    {
        const std::lock_guard lock(stage->mutex);
        return (*stage).*list;
    }

    std::shared_ptr<Stage> stage = std::make_shared<Stage>();
    std::unique_ptr<IoWorker> worker = std::make_unique<IoWorker>(Canceller(stage), kGrace);
    std::array<std::uint8_t, 4> report{1, 2, 3, 4};
    int blockingCalls = 0;
};

TEST_F(IoWorking, CallsRunOneAfterAnotherOnOneLongLivedThread)
{
    const IoOutcome answered = worker->Run(Answering(stage, {7, 8}, {true, 2, 0}), report, kPatient);
    EXPECT_EQ(answered.status, IoStatus::Finished);
    EXPECT_TRUE(answered.result.succeeded);
    EXPECT_EQ(answered.result.transferred, 2u);
    EXPECT_THAT(report, ElementsAre(7, 8, 3, 4));

    const IoOutcome refused = worker->Run(Answering(stage, {9, 9, 9, 9}, {false, 0, 1167}), report, kPatient);
    EXPECT_EQ(refused.status, IoStatus::Finished);
    EXPECT_FALSE(refused.result.succeeded);
    EXPECT_EQ(refused.result.systemError, 1167u);
    EXPECT_THAT(report, ElementsAre(7, 8, 3, 4)) << "a failed call's bytes are not handed on";

    const auto ranOn = Recorded(&Stage::ranOn);
    ASSERT_THAT(ranOn, SizeIs(2));
    EXPECT_EQ(ranOn[0], ranOn[1]);
    EXPECT_NE(ranOn[0], std::this_thread::get_id());
    EXPECT_THAT(Recorded(&Stage::started), ElementsAre(ranOn[0]));
}

TEST_F(IoWorking, TimedOutCallIsCancelledOnItsThreadAndReadsAsFailed)
{
    const IoOutcome outcome = RunBlocking(OnCancel::Return);
    EXPECT_EQ(outcome.status, IoStatus::TimedOut);
    EXPECT_FALSE(outcome.result.succeeded);
    EXPECT_THAT(report, ElementsAre(1, 2, 3, 4));
    EXPECT_THAT(Recorded(&Stage::cancelled), ElementsAre(Recorded(&Stage::ranOn).at(0)));

    // It returned within its grace, so the thread stays for the next call.
    EXPECT_EQ(worker->Run(Answering(stage, {5}, {true, 1, 0}), report, kPatient).status, IoStatus::Finished);
    EXPECT_THAT(report, ElementsAre(5, 2, 3, 4));
    EXPECT_THAT(Recorded(&Stage::started), SizeIs(1));
}

TEST_F(IoWorking, CallIgnoringCancellationIsAbandonedAndTheNextGetsAFreshThread)
{
    const auto before = std::chrono::steady_clock::now();
    EXPECT_EQ(RunBlocking(OnCancel::Ignore).status, IoStatus::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - before, kPatient / 2);

    EXPECT_EQ(worker->Run(Answering(stage, {6}, {true, 1, 0}), report, kPatient).status, IoStatus::Finished);
    const auto ranOn = Recorded(&Stage::ranOn);
    ASSERT_THAT(ranOn, SizeIs(2));
    EXPECT_NE(ranOn[0], ranOn[1]);
    EXPECT_THAT(Recorded(&Stage::started), ElementsAre(ranOn[0], ranOn[1]));

    LetStuckCallsReturn();
    EXPECT_THAT(report, ElementsAre(6, 2, 3, 4)) << "the abandoned call wrote only its own copy";
}

TEST_F(IoWorking, DestroyingTheWorkerDoesNotWaitForAnAbandonedCall)
{
    EXPECT_EQ(RunBlocking(OnCancel::Ignore).status, IoStatus::TimedOut);
    const auto before = std::chrono::steady_clock::now();
    worker.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - before, kPatient / 2);
}

TEST_F(IoWorking, CallersOnSeveralThreadsTakeTurns)
{
    constexpr int kCallsEach = 20;
    const auto callMany = [this](std::uint8_t mark, int& finished) {
        for (int i = 0; i < kCallsEach; ++i) {
            std::array<std::uint8_t, 1> own{};
            const IoOutcome outcome = worker->Run(Answering(stage, {mark}, {true, 1, 0}), own, kPatient);
            if (outcome.status == IoStatus::Finished && own[0] == mark) ++finished;
        }
    };
    int finishedA = 0;
    int finishedB = 0;
    std::thread other(callMany, std::uint8_t{0xA}, std::ref(finishedA));
    callMany(0xB, finishedB);
    other.join();
    EXPECT_EQ(finishedA, kCallsEach);
    EXPECT_EQ(finishedB, kCallsEach);
}

}  // namespace
}  // namespace norvale
