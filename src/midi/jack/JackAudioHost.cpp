#include "midi/jack/JackAudioHost.h"

#include <algorithm>

#include "midi/jack/JackClient.h"

namespace kelmar {

JackAudioHost::JackAudioHost(std::shared_ptr<JackControl> control) : control_(std::move(control)) {}

void JackAudioHost::opened(const std::shared_ptr<JackClient>& client)
{
    {
        const std::lock_guard lock(mutex_);
        if (!released_)
            client_ = client;
        opened_ = true;
    }
    openEnded_.notify_all();
}

int JackAudioHost::attach(AudioRenderer& renderer)
{
    const auto deadline = JackControl::Clock::now() + AttachWait;
    std::shared_ptr<JackClient> client;
    {
        std::unique_lock lock(mutex_);
        openEnded_.wait_until(lock, deadline, [this] { return opened_ || released_; });
        client = released_ ? nullptr : client_.lock();
    }
    if (!client || !client->alive())
        return 0;
    const std::optional<int> rate = control_->call(
        [client, self = shared_from_this()] { return client->attachAudio(*self); }, deadline,
        [client](int) { client->detachAudio(); }); // made too late: undone
    if (!rate || *rate <= 0)
        return 0;
    const std::lock_guard lock(mutex_);
    if (released_) {
        client->detachAudio();
        return 0;
    }
    attached_ = client;
    renderer_.store(&renderer);
    return *rate;
}

void JackAudioHost::detach() noexcept
{
    std::shared_ptr<JackClient> client;
    {
        const std::lock_guard lock(mutex_);
        client.swap(attached_);
    }
    renderer_.store(nullptr);
    if (client)
        client->detachAudio(); // waits for a call under way
}

void JackAudioHost::release() noexcept
{
    {
        const std::lock_guard lock(mutex_);
        released_ = true;
        client_.reset();
    }
    openEnded_.notify_all();
    detach();
}

// On JACK's real-time thread, within the client's count of callers.
void JackAudioHost::renderAudio(std::uint32_t frames, float* left, float* right) noexcept
{
    if (AudioRenderer* renderer = renderer_.load(std::memory_order_acquire)) {
        renderer->renderAudio(frames, left, right);
        return;
    }
    std::fill_n(left, frames, 0.0F);
    std::fill_n(right, frames, 0.0F);
}

} // namespace kelmar
