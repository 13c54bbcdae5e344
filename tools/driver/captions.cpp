#include "driver/captions.h"

#include <algorithm>
#include <optional>
#include <sstream>

#include "core/info/texts.h"
#include "core/vc/results.h"
#include "core/windows/dpi.h"
#include "win/build/builder.h"
#include "win/platform/win.h"

namespace driver {
namespace {

using tollandra::ControlRow;
using tollandra::Role;
using tollandra::WindowKind;

// What a control shows as its one line, and from which x of its client area:
// its caption; for a source's box the source's line; for the line under the
// results its widest text. Nothing for a picture or another painted cell.
struct Shown {
  std::wstring text;
  int x = 0;
  tollandra::FontKind font;
};

std::optional<Shown> shownBy(const tollandra::WindowTable& table, const ControlRow& row, int dpi) {
  using tollandra::style::ownerDrawButton;
  using tollandra::style::staticOwnerDraw;
  if (row.role == Role::LowerLimitLine) {
    const tollandra::TextRun run = tollandra::lowerLimitView({true, 9999, -19.99, true}).runs.at(0);
    return Shown{tollandra::wide(run.text), tollandra::scaled(run.x, dpi), tollandra::FontKind::Results};
  }
  if (row.role == Role::CopyNotice) {
    return Shown{tollandra::wide(tollandra::copyNotice), 0, table.font};
  }
  if (row.role == Role::Reference) {
    const auto line = tollandra::ReferenceLines[static_cast<std::size_t>(row.item - 1)]
                                               [static_cast<std::size_t>(row.option - 1)];
    return Shown{tollandra::wide(line), 0, table.font};
  }
  const bool painted = row.windowClass == tollandra::ControlClass::Button
                           ? (row.style & 0xF) == ownerDrawButton
                           : (row.style & 0x1F) == staticOwnerDraw;
  if (painted || row.role == Role::TitleBitmap) return std::nullopt;
  return Shown{tollandra::wide(row.caption), 0, table.font};
}

// Boxes meant to hold two lines: the first source's address and the third's
// citation wrap by design.
bool holdsTwoLines(WindowKind kind, int id) {
  return kind == WindowKind::References && (id == 1061 || id == 1065);
}

// One control measured: a line naming it and both sizes when its caption does
// not fit, or lacks glyphs in the face; nothing when it fits.
std::optional<std::string> misfitOf(HWND parent, HDC dc, const tollandra::WindowTable& table, WindowKind kind,
                                    const ControlRow& row, int dpi) {
  const std::optional<Shown> shown = shownBy(table, row, dpi);
  if (!shown || shown->text.empty() || holdsTwoLines(kind, row.id)) return std::nullopt;
  const tollandra::Font font = tollandra::makeFont(tollandra::fontRow(shown->font), dpi);
  const HGDIOBJ before = SelectObject(dc, font.get());
  HWND control = GetDlgItem(parent, row.id);
  RECT area{};
  GetClientRect(control, &area);
  if (row.windowClass == tollandra::ControlClass::Edit)
    SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
  int width = area.right - area.left - shown->x;
  if (row.role == Role::Option) {
    int zero = 0;
    GetCharWidthW(dc, L'0', L'0', &zero);
    width -= 12 * dpi / 96 + 1 + zero / 2;
  }
  const int length = static_cast<int>(shown->text.size());
  SIZE size{};
  GetTextExtentPoint32W(dc, shown->text.c_str(), length, &size);
  std::vector<WORD> glyphs(shown->text.size());
  GetGlyphIndicesW(dc, shown->text.c_str(), length, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, before);
  const bool missing = std::ranges::count(glyphs, WORD{0xFFFF}) > 0;
  if (size.cx + 2 <= width && size.cy <= area.bottom - area.top && !missing) return std::nullopt;
  std::ostringstream line;
  line << dpi << " DPI, " << table.title << ", " << row.id << " \"" << tollandra::utf8(shown->text)
       << "\": " << size.cx << "x" << size.cy << " in " << width << "x" << area.bottom - area.top
       << (missing ? ", glyphs missing in " : " in ") << tollandra::utf8(face);
  return line.str();
}

}  // namespace

std::vector<std::string> captionMisfits(int dpi) {
  std::vector<std::string> misfits;
  for (WindowKind kind : {WindowKind::Main, WindowKind::Hal, WindowKind::Introduction, WindowKind::About,
                          WindowKind::References}) {
    const tollandra::WindowTable& table = tollandra::windowTable(kind);
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, tollandra::scaled(table.width, dpi),
                                  tollandra::scaled(table.height, dpi), nullptr, nullptr, nullptr, nullptr);
    const tollandra::Font windowFont = tollandra::makeFont(tollandra::fontRow(table.font), dpi);
    tollandra::createControls(parent, table, windowFont.get(), dpi);
    HDC dc = GetDC(parent);
    for (const ControlRow& row : table.controls) {
      if (std::optional<std::string> misfit = misfitOf(parent, dc, table, kind, row, dpi)) {
        misfits.push_back(std::move(*misfit));
      }
    }
    ReleaseDC(parent, dc);
    DestroyWindow(parent);
  }
  return misfits;
}

}  // namespace driver
