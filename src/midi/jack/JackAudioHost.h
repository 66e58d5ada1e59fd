#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "midi/AudioHost.h"
#include "midi/jack/JackControl.h"

namespace kelmar {

class JackClient;

// The JACK backend's client as an audio host: a synthesizer attached to it
// plays through the client's audio outputs, rendered in the client's own
// process callback, so that the program is one JACK client that the server
// wakes once per period for both MIDI and sound.
//
// The host stands between the client and the renderer: the client calls
// the host, which passes the call on only once attach() has succeeded, so
// an attachment the server made too late never renders.
class JackAudioHost : public AudioHost, private AudioRenderer, public std::enable_shared_from_this<JackAudioHost> {
public:
    // How long attach() waits for the client's open, then for the server.
    static constexpr std::chrono::milliseconds AttachWait{1000};

    explicit JackAudioHost(std::shared_ptr<JackControl> control);

    // On the control thread, when an open of the backend's client has
    // ended; null when there is no client.
    void opened(const std::shared_ptr<JackClient>& client);
    // The backend's end: detaches whatever is attached and lets the client
    // go; later attachments fail.
    void release() noexcept;

    int attach(AudioRenderer& renderer) override;
    void detach() noexcept override;

private:
    void renderAudio(std::uint32_t frames, float* left, float* right) noexcept override;

    const std::shared_ptr<JackControl> control_;
    std::mutex mutex_;
    std::condition_variable openEnded_;
    bool opened_ = false;   // under mutex_
    bool released_ = false; // under mutex_
    std::weak_ptr<JackClient> client_;    // under mutex_
    std::shared_ptr<JackClient> attached_; // under mutex_: the client that calls us
    std::atomic<AudioRenderer*> renderer_{nullptr};
};

} // namespace kelmar
