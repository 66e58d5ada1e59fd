#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <optional>

namespace kelmar {

// Lock-free ring buffer for one producer thread and one consumer thread.
// Neither side ever blocks or allocates, so the real-time side may use it.
template <typename T, std::size_t Capacity>
class SpscRing {
    static_assert((Capacity & (Capacity - 1)) == 0, "capacity must be a power of two");

public:
    // Producer: false when the ring is full (the item is not stored).
    bool push(const T& item) noexcept
    {
        const std::size_t head = head_.load(std::memory_order_relaxed);
        if (head - tail_.load(std::memory_order_acquire) == Capacity)
            return false;
        slots_[head & (Capacity - 1)] = item;
        head_.store(head + 1, std::memory_order_release);
        return true;
    }

    // Consumer: the oldest item, left in place.
    const T* front() const noexcept
    {
        const std::size_t tail = tail_.load(std::memory_order_relaxed);
        if (tail == head_.load(std::memory_order_acquire))
            return nullptr;
        return &slots_[tail & (Capacity - 1)];
    }

    // Consumer: drops the oldest item; no effect when empty.
    void pop() noexcept
    {
        const std::size_t tail = tail_.load(std::memory_order_relaxed);
        if (tail != head_.load(std::memory_order_acquire))
            tail_.store(tail + 1, std::memory_order_release);
    }

    // Either side: number of items waiting (exact for the calling side).
    std::size_t size() const noexcept
    {
        return head_.load(std::memory_order_acquire) - tail_.load(std::memory_order_acquire);
    }

    bool empty() const noexcept { return size() == 0; }
    static constexpr std::size_t capacity() noexcept { return Capacity; }

private:
    alignas(64) std::atomic<std::size_t> head_{0};
    alignas(64) std::atomic<std::size_t> tail_{0};
    std::array<T, Capacity> slots_{};
};

} // namespace kelmar
