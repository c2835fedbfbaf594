#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace kuvano {

// Owns one system handle and closes it exactly once. Move-only. Counts the
// handles of its kind that wrappers hold, since under Wine the system does
// not count a process's GUI objects and a leak would show nowhere else.
template <typename T, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(T handle) : handle_(handle) { Count(handle, +1); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : UniqueHandle(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    T get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }

    T release() {
        Count(handle_, -1);
        return std::exchange(handle_, Traits::Invalid());
    }
    void reset(T handle = Traits::Invalid()) {
        Count(handle, +1);
        const T old = std::exchange(handle_, handle);
        Count(old, -1);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

    // Handles of this kind held by wrappers now.
    static long long Held() { return held_.load(std::memory_order_relaxed); }

private:
    static void Count(T handle, int change) {
        if (handle != Traits::Invalid()) held_.fetch_add(change, std::memory_order_relaxed);
    }

    static inline std::atomic<long long> held_{0};
    T handle_ = Traits::Invalid();
};

// Kernel handles whose failure value is INVALID_HANDLE_VALUE, not null.
template <auto CloseFunction>
struct InvalidValueTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { CloseFunction(handle); }
};

template <typename T, auto CloseFunction>
struct NullInvalidTraits {
    static T Invalid() { return nullptr; }
    static void Close(T handle) { CloseFunction(handle); }
};

}  // namespace kuvano
