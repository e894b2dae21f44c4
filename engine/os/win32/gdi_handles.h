// Owning wrappers for the GDI and USER objects the engine host creates: each one
// goes back to the system exactly once, on every way out of the code that made it.
#pragma once

#include <windows.h>

#include <utility>

namespace quenby::engine::win32 {

// One handle of type Handle, released with Release::operator() when it is not null.
template <typename Handle, typename Release>
class UniqueObject {
public:
    UniqueObject() = default;
    explicit UniqueObject(Handle handle) : handle_(handle) {}
    ~UniqueObject() { reset(); }
    UniqueObject(UniqueObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueObject& operator=(UniqueObject&& other) noexcept
    {
        if (this != &other)
            reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    UniqueObject(const UniqueObject&) = delete;
    UniqueObject& operator=(const UniqueObject&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Hands the handle over without releasing it.
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr)
    {
        if (handle_)
            Release{}(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

struct DeleteDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DestroyIconHandle {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct DestroyMenuHandle {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

// A memory device context from CreateCompatibleDC.
using UniqueDc = UniqueObject<HDC, DeleteDc>;
using UniqueBitmap = UniqueObject<HBITMAP, DeleteGdiObject>;
using UniqueFont = UniqueObject<HFONT, DeleteGdiObject>;
using UniqueBrush = UniqueObject<HBRUSH, DeleteGdiObject>;
using UniquePen = UniqueObject<HPEN, DeleteGdiObject>;
using UniqueIcon = UniqueObject<HICON, DestroyIconHandle>;
using UniqueMenu = UniqueObject<HMENU, DestroyMenuHandle>;

// An object selected into a device context, with the previous one put back when
// this goes: GDI refuses to delete an object that is still selected. Declare it
// after the object it selects, so that it goes first.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selection()
    {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    // False when the object could not be selected.
    bool selected() const { return previous_ && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace quenby::engine::win32
