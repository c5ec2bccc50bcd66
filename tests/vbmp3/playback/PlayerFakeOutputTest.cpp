// The player on output devices that misbehave: a device that fails or stalls while playing, no
// device at all, a paused device, a change of format. The devices are fakes that play at once.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "tests/vbmp3/playback/support/PlaybackSamples.h"
#include "vbmp3/playback/Player.h"
#include "vbmp3/playback/UniqueHandle.h"

namespace {

using vbmp3::PcmFormat;
using vbmp3test::PlaybackSample;

// What the fake devices did, over all devices opened.
struct DeviceLog {
    int failWriteAt = -1;  // the write that fails, counted over all devices; -1: none
    int throwWriteAt = -1; // the write that throws instead
    int stallFrom = -1;    // from this write on, buffers never come back; -1: never
    std::vector<PcmFormat> opened;
    std::vector<std::size_t> framesPerDevice;
    int writes = 0;
};

// Plays every buffer the moment it is written, unless paused or stalled. The playback thread
// writes while the test thread pauses: one lock guards the state.
class FakeOutput final : public vbmp3::AudioOutput {
public:
    FakeOutput(const PcmFormat& format, DeviceLog& log)
        : m_format(format), m_log(log), m_done(vbmp3::MakeEvent(false, false)) {
        log.opened.push_back(format);
        log.framesPerDevice.push_back(0);
    }
    PcmFormat Format() const override { return m_format; }
    int QueuedBuffers() override {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_nQueued;
    }
    bool Write(const std::int16_t*, std::size_t frames) override {
        std::lock_guard<std::mutex> lock(m_lock);
        const int write = m_log.writes++;
        if (write == m_log.failWriteAt) return false;
        if (write == m_log.throwWriteAt) throw std::runtime_error("the device's driver failed");
        m_log.framesPerDevice.back() += frames;
        m_nWaiting += frames;
        ++m_nQueued;
        m_bStalled = m_bStalled || (m_log.stallFrom >= 0 && write >= m_log.stallFrom);
        PlayQueued();
        return true;
    }
    HANDLE BufferDoneEvent() const override { return m_done.Get(); }
    bool PlayedFrames(std::uint64_t& frames) override {
        std::lock_guard<std::mutex> lock(m_lock);
        frames = m_nPlayed;
        return true;
    }
    std::uint64_t WrittenFrames() const override {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_nPlayed + m_nWaiting;
    }
    void Pause() override {
        std::lock_guard<std::mutex> lock(m_lock);
        m_bPaused = true;
    }
    void Resume() override {
        std::lock_guard<std::mutex> lock(m_lock);
        m_bPaused = false;
        PlayQueued();
    }
    void Reset() override {
        std::lock_guard<std::mutex> lock(m_lock);
        m_nQueued = 0, m_nWaiting = 0, m_nPlayed = 0, m_bPaused = false;
    }

private:
    void PlayQueued() {
        if (m_bPaused || m_bStalled) return;
        m_nPlayed += m_nWaiting;
        m_nWaiting = 0;
        m_nQueued = 0;
        ::SetEvent(m_done.Get());
    }

    mutable std::mutex m_lock;
    PcmFormat m_format;
    DeviceLog& m_log;
    vbmp3::UniqueHandle m_done;
    int m_nQueued = 0;
    std::uint64_t m_nWaiting = 0, m_nPlayed = 0;
    bool m_bPaused = false, m_bStalled = false;
};

class RecordedEvents final : public vbmp3::PlaybackEvents {
public:
    void ElapsedChanged(int) override {}
    void Ended(bool playedSound) override {
        ++ends;
        silentEnds += playedSound ? 0 : 1;
    }
    void Failed() override { ++failures; }
    void DiscardPending() override {}
    std::atomic<int> ends{0}, silentEnds{0}, failures{0};
};

class PlayerOnFakeDevices : public ::testing::Test {
protected:
    static constexpr DWORD kStallMs = 200;

    vbmp3::OutputOpener Opener() {
        return [this](const PcmFormat& format) -> std::unique_ptr<vbmp3::AudioOutput> {
            if (noDevice) return nullptr;
            return std::make_unique<FakeOutput>(format, log);
        };
    }
    // Waits until the state is no longer `state`; returns the new state.
    static vbmp3::PlayerState WaitWhile(vbmp3::Player& player, vbmp3::PlayerState state) {
        int elapsed = 0;
        for (int i = 0; i < 500 && player.State(elapsed) == state; ++i)
            ::Sleep(10);
        return player.State(elapsed);
    }

    DeviceLog log;
    bool noDevice = false;
    RecordedEvents events;
    vbmp3::Player player{Opener(), events, kStallMs};
};

TEST_F(PlayerOnFakeDevices, ADeviceThatFailsWhilePlayingEndsTheTrackAsStopped) {
    ASSERT_TRUE(player.Open(PlaybackSample("cbr44.mp3").c_str()));
    log.failWriteAt = 3;
    ASSERT_TRUE(player.Play());
    EXPECT_EQ(WaitWhile(player, vbmp3::kStatePlaying), vbmp3::kStateStopped);

    log.stallFrom = log.writes + 2; // a device taken away: its buffers never come back
    ASSERT_TRUE(player.Play());
    EXPECT_EQ(log.opened.size(), 2u); // the failed device was not used again
    EXPECT_EQ(WaitWhile(player, vbmp3::kStatePlaying), vbmp3::kStateStopped);
    EXPECT_EQ(events.ends, 0);     // the file did not play to its end
    EXPECT_EQ(events.failures, 2); // and the caller is told so, once for each
    player.Stop();
}

TEST_F(PlayerOnFakeDevices, ADeviceThatThrowsEndsThePlayAsAFailedOneDoes) {
    ASSERT_TRUE(player.Open(PlaybackSample("cbr44.mp3").c_str()));
    log.throwWriteAt = 2;
    ASSERT_TRUE(player.Play());
    EXPECT_EQ(WaitWhile(player, vbmp3::kStatePlaying), vbmp3::kStateStopped);
    EXPECT_EQ(events.failures, 1);
    EXPECT_EQ(events.ends, 0);
    ASSERT_TRUE(player.Play()); // on a device opened afresh
    EXPECT_EQ(WaitWhile(player, vbmp3::kStatePlaying), vbmp3::kStateStopped);
    EXPECT_EQ(log.opened.size(), 2u);
    EXPECT_EQ(events.ends, 1);
}

TEST_F(PlayerOnFakeDevices, AFileThatGivesNoSoundEndsAtOnceAndSaysSo) {
    ASSERT_TRUE(player.Open(PlaybackSample("silent.mp3").c_str()));
    ASSERT_TRUE(player.Play());
    EXPECT_EQ(WaitWhile(player, vbmp3::kStatePlaying), vbmp3::kStateStopped);
    EXPECT_EQ(events.ends, 1);
    EXPECT_EQ(events.silentEnds, 1);
    EXPECT_EQ(log.writes, 0);
    ASSERT_TRUE(player.Open(PlaybackSample("cbr44.mp3").c_str()));
    ASSERT_TRUE(player.Play());
    EXPECT_EQ(WaitWhile(player, vbmp3::kStatePlaying), vbmp3::kStateStopped);
    EXPECT_EQ(events.ends, 2);
    EXPECT_EQ(events.silentEnds, 1); // a file with sound says so
    EXPECT_EQ(events.failures, 0);
}

TEST_F(PlayerOnFakeDevices, WithoutADevicePlayFailsAndTheStateStaysStopped) {
    noDevice = true;
    ASSERT_TRUE(player.Open(PlaybackSample("cbr44.mp3").c_str()));
    EXPECT_FALSE(player.Play());
    int elapsed = -1;
    EXPECT_EQ(player.State(elapsed), vbmp3::kStateStopped);
    EXPECT_EQ(elapsed, 0);
}

TEST_F(PlayerOnFakeDevices, PausingLongerThanADeviceMayStallIsNoFailure) {
    ASSERT_TRUE(player.Open(PlaybackSample("cbr44.mp3").c_str()));
    log.stallFrom = -1;
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(player.Pause());
    ::Sleep(3 * kStallMs);
    int elapsed = 0;
    EXPECT_EQ(player.State(elapsed), vbmp3::kStatePaused);
    ASSERT_TRUE(player.Restart());
    EXPECT_EQ(WaitWhile(player, vbmp3::kStatePlaying), vbmp3::kStateStopped);
    EXPECT_EQ(events.ends, 1);
    EXPECT_EQ(player.State(elapsed), vbmp3::kStateStopped);
    EXPECT_EQ(elapsed, 3); // the whole file, 3.3 s, was played
}

TEST_F(PlayerOnFakeDevices, AChangeOfFormatReopensTheDeviceAndTheNextFileReusesIt) {
    ASSERT_TRUE(player.Open(PlaybackSample("changing.mp3").c_str()));
    ASSERT_TRUE(player.Play());
    EXPECT_EQ(WaitWhile(player, vbmp3::kStatePlaying), vbmp3::kStateStopped);
    ASSERT_EQ(log.opened.size(), 2u);
    EXPECT_EQ(log.opened[0], (PcmFormat{44100, 2}));
    EXPECT_EQ(log.opened[1], (PcmFormat{22050, 1}));
    EXPECT_EQ(log.framesPerDevice[0], 44100u); // first.mp3, trimmed exactly
    EXPECT_EQ(events.ends, 1);

    // The device is kept open for the next file of its format, and replaced for another one.
    ASSERT_TRUE(player.Open(PlaybackSample("mono22.mp3").c_str()));
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(player.Open(PlaybackSample("cbr44.mp3").c_str()));
    ASSERT_TRUE(player.Play());
    EXPECT_EQ(log.opened.size(), 3u);
    player.Stop();
}

} // namespace
