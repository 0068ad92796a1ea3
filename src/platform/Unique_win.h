#pragma once
// Move-only owners for Windows handles and scope guards for GDI selections and painting.
#include <windows.h>

#include <utility>

namespace pendra {

template <typename Handle, typename Deleter>
class Unique {
 public:
  Unique() = default;
  explicit Unique(Handle handle) : handle_(handle) {}
  Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  ~Unique() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  Handle Release() { return std::exchange(handle_, Handle{}); }
  void Reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Deleter{}(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

struct GdiObjectDeleter {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct IconDeleter {
  void operator()(HICON h) const { DestroyIcon(h); }
};
struct MenuDeleter {
  void operator()(HMENU h) const { DestroyMenu(h); }
};
struct KernelHandleDeleter {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
struct DcDeleter {
  void operator()(HDC h) const { DeleteDC(h); }
};
struct FindDeleter {
  void operator()(HANDLE h) const { FindClose(h); }
};
struct ChangeNotificationDeleter {
  void operator()(HANDLE h) const { FindCloseChangeNotification(h); }
};
struct WindowDeleter {
  void operator()(HWND h) const { DestroyWindow(h); }
};

using UniqueBrush = Unique<HBRUSH, GdiObjectDeleter>;
using UniquePen = Unique<HPEN, GdiObjectDeleter>;
using UniqueFont = Unique<HFONT, GdiObjectDeleter>;
using UniqueBitmap = Unique<HBITMAP, GdiObjectDeleter>;
using UniqueRegion = Unique<HRGN, GdiObjectDeleter>;
using UniqueIcon = Unique<HICON, IconDeleter>;
using UniqueMenu = Unique<HMENU, MenuDeleter>;
using UniqueHandle = Unique<HANDLE, KernelHandleDeleter>;
using UniqueDc = Unique<HDC, DcDeleter>;
using UniqueWindow = Unique<HWND, WindowDeleter>;
using UniqueFind = Unique<HANDLE, FindDeleter>;
using UniqueChangeNotification = Unique<HANDLE, ChangeNotificationDeleter>;

// Selects a GDI object into a DC for the guard's lifetime.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectGuard() { SelectObject(dc_, old_); }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// BeginPaint/EndPaint as a scope.
class PaintGuard {
 public:
  explicit PaintGuard(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintGuard() { EndPaint(window_, &paint_); }
  PaintGuard(const PaintGuard&) = delete;
  PaintGuard& operator=(const PaintGuard&) = delete;
  HDC Dc() const { return dc_; }
  const RECT& Dirty() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace pendra
