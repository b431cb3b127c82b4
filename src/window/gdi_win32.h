// Move-only owners of the few GDI and USER resources the window code holds.
#pragma once

#include <windows.h>

#include <utility>

namespace quorvel {

// A handle released by `Free`; null when empty.
template <typename Handle, typename Free>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ~OwnedHandle() {
    if (handle_) Free{}(handle_);
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  Handle handle_ = nullptr;
};

struct DeleteBrush {
  void operator()(HBRUSH brush) const { DeleteObject(brush); }
};
struct DeleteIcon {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

using OwnedBrush = OwnedHandle<HBRUSH, DeleteBrush>;
using OwnedIcon = OwnedHandle<HICON, DeleteIcon>;

// BeginPaint ... EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { EndPaint(window_, &paint_); }

  HDC get() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// GetDC (client area) or GetWindowDC (whole window) ... ReleaseDC.
class WindowDc {
 public:
  enum Area { kClient, kWhole };
  explicit WindowDc(HWND window, Area area = kClient)
      : window_(window), dc_(area == kClient ? GetDC(window) : GetWindowDC(window)) {}
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

// Selects an object into a DC and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace quorvel
