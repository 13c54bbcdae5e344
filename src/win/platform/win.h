#pragma once
// The few Win32 helpers every window shares: UTF-8 <-> UTF-16 at the API
// boundary and scoped, move-only owners for what the program acquires.

#include <windows.h>

#include <string>
#include <string_view>

#include "core/view/cell_view.h"
#include "core/view/message.h"

namespace tollandra {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);

std::string windowText(HWND window);
void setWindowText(HWND window, std::string_view utf8Text);

inline COLORREF colorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

// A modal message box owned by owner, with a single OK button.
void showMessage(HWND owner, const Message& message);

// BeginPaint / EndPaint.
class ScopedPaint {
 public:
  explicit ScopedPaint(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~ScopedPaint() { EndPaint(window_, &paint_); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  ScopedPaint(ScopedPaint&&) = delete;
  ScopedPaint& operator=(ScopedPaint&&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A handle the program made, released by `release` when the owner goes.
// Move-only, so no handle is ever released twice.
template <typename Handle, auto release>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  ~Owned() { reset(); }
  Owned(Owned&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = other.handle_;
      other.handle_ = nullptr;
    }
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  Handle get() const { return handle_; }
  void reset() {
    if (handle_ != nullptr) {
      release(handle_);
      handle_ = nullptr;
    }
  }

 private:
  Handle handle_ = nullptr;
};

using Font = Owned<HFONT, &DeleteObject>;
using Brush = Owned<HBRUSH, &DeleteObject>;
using Bitmap = Owned<HBITMAP, &DeleteObject>;
using Icon = Owned<HICON, &DestroyIcon>;
// Destroyed by its owner only once no window holds it.
using Menu = Owned<HMENU, &DestroyMenu>;

// Selects an object into a DC and puts the previous one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() {
    if (previous_ != nullptr) {
      SelectObject(dc_, previous_);
    }
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;
  ScopedSelect(ScopedSelect&&) = delete;
  ScopedSelect& operator=(ScopedSelect&&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace tollandra
