#include "support/JackAudioProbe.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace kelmar::test {

JackAudioProbe::JackAudioProbe(const std::string& name)
{
    client_ = jack_client_open(name.c_str(), JackNoStartServer, nullptr);
    if (!client_)
        return;
    inputs_[0] = jack_port_register(client_, "in_1", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    inputs_[1] = jack_port_register(client_, "in_2", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    if (!inputs_[0] || !inputs_[1] || jack_set_process_callback(client_, &onProcess, this) != 0
        || jack_set_xrun_callback(client_, &onXrun, this) != 0 || jack_activate(client_) != 0) {
        jack_client_close(client_);
        client_ = nullptr;
    }
}

JackAudioProbe::~JackAudioProbe()
{
    if (client_) {
        jack_deactivate(client_);
        jack_client_close(client_);
    }
}

bool JackAudioProbe::listenTo(const std::string& client)
{
    if (!client_)
        return false;
    const std::string pattern = "^" + client + ":";
    const char** ports = jack_get_ports(client_, pattern.c_str(), JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput);
    if (!ports)
        return false;
    bool connected = ports[0] != nullptr;
    for (int i = 0; i < 2 && ports[i]; ++i)
        connected = connected && jack_connect(client_, ports[i], jack_port_name(inputs_[i])) == 0;
    jack_free(static_cast<void*>(ports));
    // The new connections are in the graph once two periods have begun.
    return connected && waitForCycles(2);
}

void JackAudioProbe::arm(float threshold)
{
    loudCycle_.store(0, std::memory_order_release);
    threshold_.store(threshold, std::memory_order_release);
    armed_.store(true, std::memory_order_release);
}

bool JackAudioProbe::waitForCycles(std::uint64_t count, int limitMs) const
{
    const std::uint64_t target = cycles() + count;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (cycles() < target) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return true;
}

int JackAudioProbe::onProcess(jack_nframes_t frames, void* data)
{
    auto* probe = static_cast<JackAudioProbe*>(data);
    const std::uint64_t cycle = probe->cycles_.fetch_add(1, std::memory_order_acq_rel) + 1;
    float peak = 0.0F;
    for (jack_port_t* port : probe->inputs_) {
        const auto* samples = static_cast<const float*>(jack_port_get_buffer(port, frames));
        for (jack_nframes_t i = 0; i < frames; ++i)
            peak = std::max(peak, std::fabs(samples[i]));
    }
    probe->lastPeak_.store(peak, std::memory_order_release);
    if (probe->armed_.load(std::memory_order_acquire) && peak >= probe->threshold_.load(std::memory_order_acquire)) {
        probe->armed_.store(false, std::memory_order_relaxed);
        probe->loudCycle_.store(cycle, std::memory_order_release);
    }
    return 0;
}

int JackAudioProbe::onXrun(void* data)
{
    static_cast<JackAudioProbe*>(data)->xruns_.fetch_add(1, std::memory_order_acq_rel);
    return 0;
}

} // namespace kelmar::test
