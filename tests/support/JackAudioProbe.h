#pragma once

#include <jack/jack.h>

#include <atomic>
#include <cstdint>
#include <string>

namespace kelmar::test {

// A JACK client of the tests' own with two audio inputs ("in_1", "in_2")
// that listens to another client's audio: for every period it keeps the
// period's number and its peak level, notes the first period (once armed)
// whose peak passes a threshold, and counts the server's xruns through
// jack_set_xrun_callback. Connected after the client it listens to, it
// runs after it in the same period: period n of the probe holds what that
// client rendered in period n.
class JackAudioProbe {
public:
    // Opens the client on the server JACK_DEFAULT_SERVER names; see ok().
    explicit JackAudioProbe(const std::string& name = "probe");
    ~JackAudioProbe();
    JackAudioProbe(const JackAudioProbe&) = delete;
    JackAudioProbe& operator=(const JackAudioProbe&) = delete;

    bool ok() const { return client_ != nullptr; }
    // Connects the first two audio outputs of `client` to the probe's
    // inputs; false if it has none or the connection failed.
    bool listenTo(const std::string& client);

    // Periods the probe has begun, the one running now included.
    std::uint64_t cycles() const { return cycles_.load(std::memory_order_acquire); }
    // Peak of both inputs in the last period.
    float lastPeak() const { return lastPeak_.load(std::memory_order_acquire); }
    // From now on, the first period whose peak reaches `threshold` is kept
    // (see loudCycle()).
    void arm(float threshold);
    // The number of the first loud period since arm(); 0 while none.
    std::uint64_t loudCycle() const { return loudCycle_.load(std::memory_order_acquire); }
    // Xruns the server has reported since the probe opened.
    int xruns() const { return xruns_.load(std::memory_order_acquire); }
    // Waits until `count` more periods have begun; false after `limitMs`.
    bool waitForCycles(std::uint64_t count, int limitMs = 5000) const;

private:
    static int onProcess(jack_nframes_t frames, void* data);
    static int onXrun(void* data);

    jack_client_t* client_ = nullptr;
    jack_port_t* inputs_[2] = {nullptr, nullptr};
    std::atomic<std::uint64_t> cycles_{0};
    std::atomic<float> lastPeak_{0.0F};
    std::atomic<float> threshold_{0.0F};
    std::atomic<bool> armed_{false};
    std::atomic<std::uint64_t> loudCycle_{0};
    std::atomic<int> xruns_{0};
};

} // namespace kelmar::test
