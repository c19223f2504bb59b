// One move-only owner for every kind of handle: the handle type and the function that closes it.
// Platform-free, so that it is tested natively with a counting close function.
#pragma once

#include <utility>

template <class H, auto Close, H Invalid = H{}>
class [[nodiscard]] CHandle {
public:
    CHandle() = default;
    explicit CHandle(H handle) : m_h(handle) {}
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    CHandle(CHandle&& other) noexcept : m_h(other.Detach()) {}
    CHandle& operator=(CHandle&& other) noexcept {
        if (this != &other) Attach(other.Detach());
        return *this;
    }
    ~CHandle() { Reset(); }

    H Get() const { return m_h; }
    explicit operator bool() const { return m_h != Invalid; }

    // Takes ownership of a new handle, closing the one held before.
    void Attach(H handle) {
        Reset();
        m_h = handle;
    }
    [[nodiscard]] H Detach() { return std::exchange(m_h, Invalid); }
    void Reset() {
        if (m_h != Invalid) Close(std::exchange(m_h, Invalid));
    }

private:
    H m_h = Invalid;
};

// Runs a one-off undo step when the scope ends: ReleaseCapture, KillTimer, CloseClipboard ...
template <class F>
class [[nodiscard]] CScopeExit {
public:
    explicit CScopeExit(F undo) : m_undo(std::move(undo)) {}
    CScopeExit(const CScopeExit&) = delete;
    CScopeExit& operator=(const CScopeExit&) = delete;
    ~CScopeExit() {
        if (m_armed) m_undo();
    }
    void Release() { m_armed = false; }

private:
    F m_undo;
    bool m_armed = true;
};
