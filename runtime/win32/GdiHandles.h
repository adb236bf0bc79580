// Owners for GDI handles and guards for selections, so every drawing path cleans up after itself.
#pragma once

#include <windows.h>

#include <utility>

#include "runtime/Layout.h"

template <class Handle, auto Release>
class Owned {
public:
    explicit Owned(Handle handle = nullptr) : handle_(handle) {}
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned& operator=(Owned&&) = delete;
    ~Owned() {
        if (handle_) Release(handle_);
    }
    Handle get() const { return handle_; }

private:
    Handle handle_;
};

inline void deleteGdiObject(HGDIOBJ object) {
    DeleteObject(object);
}
inline void deleteMemoryDc(HDC dc) {
    DeleteDC(dc);
}

using OwnedBitmap = Owned<HBITMAP, deleteGdiObject>;
using OwnedPalette = Owned<HPALETTE, deleteGdiObject>;
using OwnedBrush = Owned<HBRUSH, deleteGdiObject>;
using OwnedPen = Owned<HPEN, deleteGdiObject>;
using MemoryDc = Owned<HDC, deleteMemoryDc>;

// Selects an object into a device context for the guard's lifetime.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    ~Selected() {
        if (old_) SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Selects and realises a palette in the foreground for the guard's lifetime.
class SelectedPalette {
public:
    SelectedPalette(HDC dc, HPALETTE palette)
        : dc_(dc), old_(palette ? SelectPalette(dc, palette, FALSE) : nullptr) {
        if (old_) RealizePalette(dc);
    }
    SelectedPalette(const SelectedPalette&) = delete;
    SelectedPalette& operator=(const SelectedPalette&) = delete;
    ~SelectedPalette() {
        if (old_) SelectPalette(dc_, old_, FALSE);
    }

private:
    HDC dc_;
    HPALETTE old_;
};

// A window's device context, released with it.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { BeginPaint(window, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(window_, &paint_); }
    const PAINTSTRUCT& paint() const { return paint_; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
};

// Draws in a page's own pixels onto a page shown shrunk by the scale, for the guard's lifetime: places
// and font heights shrink with it.
class ScaledDrawing {
public:
    ScaledDrawing(HDC dc, const Scale& scale) : dc_(dc), saved_(SaveDC(dc)) {
        if (scale.isOne()) return;
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, scale.denominator, scale.denominator, nullptr);
        SetViewportExtEx(dc, scale.numerator, scale.numerator, nullptr);
    }
    ScaledDrawing(const ScaledDrawing&) = delete;
    ScaledDrawing& operator=(const ScaledDrawing&) = delete;
    ~ScaledDrawing() {
        if (saved_) RestoreDC(dc_, saved_);
    }

private:
    HDC dc_;
    int saved_;
};
