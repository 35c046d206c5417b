// Owning wrappers for Win32 handles, so no handle, key or file stays open on an early return.
#pragma once

#include <windows.h>

#include <utility>

namespace velmar {

template <typename Traits>
class UniqueWin {
public:
    using Handle = typename Traits::Handle;
    UniqueWin() = default;
    explicit UniqueWin(Handle h) : h_(h) {}
    UniqueWin(const UniqueWin&) = delete;
    UniqueWin& operator=(const UniqueWin&) = delete;
    UniqueWin(UniqueWin&& other) noexcept : h_(std::exchange(other.h_, Traits::Invalid())) {}
    UniqueWin& operator=(UniqueWin&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.h_, Traits::Invalid()));
        return *this;
    }
    ~UniqueWin() { Reset(); }

    void Reset(Handle h = Traits::Invalid()) {
        if (Valid()) Traits::Close(h_);
        h_ = h;
    }
    [[nodiscard]] Handle Get() const { return h_; }
    [[nodiscard]] Handle* Put() {
        Reset();
        return &h_;
    }
    [[nodiscard]] Handle Release() { return std::exchange(h_, Traits::Invalid()); }
    [[nodiscard]] bool Valid() const { return h_ != Traits::Invalid(); }
    explicit operator bool() const { return Valid(); }

private:
    Handle h_ = Traits::Invalid();
};

struct HandleTraits {  // CreateFile and friends: INVALID_HANDLE_VALUE means none
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::CloseHandle(h); }
};
struct KernelObjectTraits {  // processes, threads, events: NULL means none
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::CloseHandle(h); }
};
struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::RegCloseKey(h); }
};

using UniqueFile = UniqueWin<HandleTraits>;
using UniqueHandle = UniqueWin<KernelObjectTraits>;
using UniqueRegKey = UniqueWin<RegKeyTraits>;

}  // namespace velmar
