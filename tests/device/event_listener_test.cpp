#include "device/event_listener.h"

#include <gmock/gmock.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "device/device_discovery.h"
#include "mouse_bench.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;

// The listener on its own thread, as the utility runs it; what it delivers
// and logs is collected under a lock.
class EventListening : public MouseBench, private DebugOutput {
protected:
    EventListening()
    {
        SetDebugOutput(this);
        link.readEvent = readEvent.get();
    }
    ~EventListening() override
    {
        Stop();
        SetDebugOutput(nullptr);
    }

    void Start()
    {
        thread = std::thread([this] { listener.Run(); });
    }
    void Stop()
    {
        listener.Stop();
        if (thread.joinable()) thread.join();
    }

    DeviceEvent NextEvent()
    {
        std::unique_lock lock(mutex);
        arrived.wait(lock, [this] { return !events.empty(); });
        const DeviceEvent event = events.front();
        events.pop_front();
        return event;
    }
    std::vector<std::wstring> Logged()
    {
        std::lock_guard lock(mutex);
        return logged;
    }
    void ClearLogged()
    {
        std::lock_guard lock(mutex);
        logged.clear();
    }

    std::unique_ptr<HidSignal> readEvent = bus.CreateSignal();
    EventListener listener{bus, link, [this](const DeviceEvent& event) {
                               std::lock_guard lock(mutex);
                               events.push_back(event);
                               arrived.notify_all();
                           }};
    std::thread thread;

private:
    void Write(std::wstring_view text) override
    {
        std::lock_guard lock(mutex);
        logged.emplace_back(text);
    }

    std::mutex mutex;
    std::condition_variable arrived;
    std::deque<DeviceEvent> events;
    std::vector<std::wstring> logged;
};

TEST_F(EventListening, DeliversEachEventOfTheMouseAndLogsItAfterwards)
{
    Discover();
    ClearLogged();
    Start();

    mouse.Press(0x02, 0x03);
    EXPECT_EQ(NextEvent(), (DeviceEvent{0x02, 0x03}));
    mouse.Press(0x09, 0x02);
    EXPECT_EQ(NextEvent(), (DeviceEvent{0x09, 0x02}));
    Stop();

    EXPECT_THAT(Logged(), ElementsAre(L"ReadThreadFun ReadBuffer[2]:0x02,ReadBuffer[3]:0x03\n",
                                      L"ReadThreadFun ReadBuffer[2]:0x09,ReadBuffer[3]:0x02\n"));
    EXPECT_TRUE(mouse.Trace().empty()) << "the listener sends nothing to the mouse";
}

TEST_F(EventListening, WaitsForTheMouseThenReadsEachNewHandleWithoutARestart)
{
    Start();  // started before the mouse is found, as at a start without it
    ASSERT_TRUE(DiscoverMouse(bus, link));
    mouse.Press(0x01, 0x04);
    EXPECT_EQ(NextEvent(), (DeviceEvent{0x01, 0x04}));

    mouse.Unplug();
    link.devicePresent = 0;
    mouse.Plug();
    ASSERT_TRUE(DiscoverMouse(bus, link));
    mouse.Press(0x09, 0x05);
    EXPECT_EQ(NextEvent(), (DeviceEvent{0x09, 0x05}));
}

TEST_F(EventListening, StopEndsTheLoopWhileItWaitsForTheMouse)
{
    Start();
    Stop();
    EXPECT_FALSE(thread.joinable());
}

TEST_F(EventListening, StopEndsTheLoopWhileItWaitsForAReport)
{
    Discover();
    Start();
    mouse.Press(0x02, 0x01);
    EXPECT_EQ(NextEvent(), (DeviceEvent{0x02, 0x01}));  // and back to reading
    Stop();
    EXPECT_FALSE(thread.joinable());
}

TEST(EventReport, OnlyReportsStartingWith0607AndLongEnoughCarryAnEvent)
{
    const std::array<std::uint8_t, 4> event{0x06, 0x07, 0x09, 0x02};
    EXPECT_EQ(ParseEventReport(event), (DeviceEvent{0x09, 0x02}));

    const std::vector<std::vector<std::uint8_t>> dropped{
        {}, {0x05, 0x07, 0x01, 0x01}, {0x06, 0x08, 0x01, 0x01}, {0x06, 0x07, 0x01}};
    for (const auto& report : dropped) EXPECT_FALSE(ParseEventReport(report)) << report.size();
}

TEST(EventReport, DebugLineShowsCodeAndValueInHex)
{
    EXPECT_EQ(ListenerDebugLine({0x02, 0x03}), L"ReadThreadFun ReadBuffer[2]:0x02,ReadBuffer[3]:0x03\n");
    EXPECT_EQ(ListenerDebugLine({0x0E, 0xFF}), L"ReadThreadFun ReadBuffer[2]:0x0e,ReadBuffer[3]:0xff\n");
}

}  // namespace
}  // namespace norvale
