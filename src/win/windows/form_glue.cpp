// The session on the screen, and the clicks of the scored forms.

#include "win/windows/form_glue.h"

#include "core/info/texts.h"
#include "win/app/app.h"
#include "win/build/builder.h"
#include "win/paint/cell_painter.h"
#include "win/windows/boxes.h"
#include "win/windows/focus.h"

namespace tollandra {
namespace {

void setCheck(HWND button, bool checked) {
  const WPARAM state = checked ? BST_CHECKED : BST_UNCHECKED;
  if (static_cast<WPARAM>(SendMessageW(button, BM_GETCHECK, 0, 0)) == state) {
    return;
  }
  SendMessageW(button, BM_SETCHECK, state, 0);
  if (GetFocus() == button) {
    // A button redraws only its mark when checked, which can wipe the focus
    // rectangle; drawn whole, it shows where the focus is.
    InvalidateRect(button, nullptr, TRUE);
  }
}

void setLine(HWND line, const std::string& text) {
  if (windowText(line) != text) {
    setWindowText(line, text);
  }
}

}  // namespace

int chooseFromControl(App& app, HWND window, WindowKind kind, const ControlRow& row) {
  const int option = row.role == Role::Option ? row.option : 0;
  if ((row.role != Role::Option && row.role != Role::Points) ||
      !app.session.form(kind).choose(row.item, option)) {
    return 0;
  }
  if (row.item == sexFactor && kind == WindowKind::Main) {
    app.session.recalculateVc();
  }
  showSession(app);
  if (row.role == Role::Points) {
    focusStop(app, window, kind, {Role::Option, row.item});
  }
  return row.item;
}

void showSession(App& app) {
  for (const WindowTable& table : windowTables()) {
    if (HWND window = app.window(table.kind)) {
      showWindow(app, window, table.kind);
    }
  }
}

void showWindow(App& app, HWND window, WindowKind kind) {
  const Session& session = app.session;
  const ScoredForm& form = session.form(kind);
  const std::vector<ShownLine> predictions = session.predictionLines(kind);
  for (const ControlRow& row : windowTable(kind).controls) {
    HWND control = GetDlgItem(window, row.id);
    if (row.role == Role::Option) {
      const OptionMarks marks = form.marks(row.item);
      setCheck(control, row.option == 1 ? marks.option1 : marks.option2);
    } else if (isPainted(row.role)) {
      showCell(control, session.cellView(kind, row));
    } else if (row.role == Role::Prediction) {
      const auto line = static_cast<std::size_t>(row.item);
      setLine(control, line <= predictions.size() ? predictions[line - 1].text : "");
    } else if (row.role == Role::CopyNotice) {
      // The copy's confirmation while it lasts; otherwise whether the
      // equations fall on both sides of 80 %.
      setLine(control, app.copyNoticeShown ? std::string(copyNotice) : session.bottomNote());
    }
  }
}

namespace {

// WM_CTLCOLORSTATIC of a window's lines: a warning in red.
std::optional<LRESULT> lineColors(const App& app, HWND window, WindowKind kind, WPARAM wParam,
                                  LPARAM lParam) {
  const ControlRow* row = findControl(kind, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
  if (row == nullptr || row->role != Role::Prediction) {
    return std::nullopt;
  }
  const LRESULT brush = DefWindowProcW(window, WM_CTLCOLORSTATIC, wParam, lParam);
  const std::vector<ShownLine> lines = app.session.predictionLines(kind);
  const auto line = static_cast<std::size_t>(row->item);
  if (line <= lines.size()) {
    SetTextColor(reinterpret_cast<HDC>(wParam), colorRef(lines[line - 1].color));
  }
  return brush;
}

}  // namespace

std::optional<LRESULT> paintMessage(const App& app, HWND window, WindowKind kind, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM:
      drawCellItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CTLCOLOREDIT:
      // A refused entry stays in its box, in red, until it is corrected.
      return boxColors(app, window, kind, wParam, lParam);
    case WM_CTLCOLORSTATIC:
      return lineColors(app, window, kind, wParam, lParam);
    default:
      return std::nullopt;
  }
}

}  // namespace tollandra
