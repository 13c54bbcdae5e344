#pragma once
// The few Win32 helpers every window shares: UTF-8 <-> UTF-16 at the API
// boundary, scoped owners for GDI objects and device contexts, and the one
// function that paints a cell view into a control.

#include <windows.h>

#include <string>
#include <string_view>

#include "view/cell_view.h"

namespace tollandra {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view text);

std::string windowText(HWND window);
void setWindowText(HWND window, std::string_view utf8Text);

inline COLORREF colorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

// A device context from GetDC, released when the owner goes.
class ScopedDc {
 public:
  explicit ScopedDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~ScopedDc() {
    if (dc_ != nullptr) {
      ReleaseDC(window_, dc_);
    }
  }
  ScopedDc(const ScopedDc&) = delete;
  ScopedDc& operator=(const ScopedDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class ScopedPaint {
 public:
  explicit ScopedPaint(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~ScopedPaint() { EndPaint(window_, &paint_); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// Any GDI object this program creates, deleted when the owner goes. Move-only.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = other.handle_;
      other.handle_ = nullptr;
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return handle_; }
  void reset() {
    if (handle_ != nullptr) {
      DeleteObject(handle_);
      handle_ = nullptr;
    }
  }

 private:
  Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;

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

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Paints a cell view into the given client rectangle: the fill, then every
// text run in the given font. A view that was never drawn paints nothing.
void paintCell(HDC dc, const RECT& client, const CellView& view, HFONT font);

// Shows a new view in a cell control: its window text becomes the text the
// view paints (so it can be read), and the cell repaints at once. The control
// paints itself through its owner's WM_DRAWITEM from the same view.
void showCell(HWND cell, const CellView& view);

// Answers WM_DRAWITEM for a painted cell.
void drawCellItem(const DRAWITEMSTRUCT& item, const CellView& view, HFONT font);

}  // namespace tollandra
