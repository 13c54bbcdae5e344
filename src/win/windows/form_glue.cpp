#include "win/windows/form_glue.h"

#include "win/app/app.h"
#include "win/build/builder.h"
#include "win/paint/cell_painter.h"

namespace tollandra {
namespace {

void setCheck(HWND button, bool checked) {
  SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

int chooseFromControl(App& app, HWND window, WindowKind kind, const ControlRow& row) {
  const int option = row.role == Role::Option ? row.option : 0;
  if ((row.role != Role::Option && row.role != Role::Points) ||
      !app.session.form(kind).choose(row.item, option)) {
    return 0;
  }
  showItem(app.session, window, kind, row.item);
  if (row.role == Role::Points) {
    app.focusStop(window, kind, {Role::Option, row.item});
  }
  return row.item;
}

void showItem(const Session& session, HWND window, WindowKind kind, int item) {
  const ScoredForm& form = session.form(kind);
  const OptionMarks marks = form.marks(item);
  for (int option : {1, 2}) {
    HWND button = controlOf(window, kind, Role::Option, item, option);
    setCheck(button, option == 1 ? marks.option1 : marks.option2);
    if (GetFocus() == button) {
      // A button redraws only its mark when checked, which can wipe the focus
      // rectangle; drawn whole, it shows where the focus is.
      InvalidateRect(button, nullptr, TRUE);
    }
  }
  showCell(controlOf(window, kind, Role::Points, item), session.pointsView(form, item));
  showCell(controlOf(window, kind, Role::Total), form.summaryView(totalSummary));
  if (HWND classCell = controlOf(window, kind, Role::Class)) {
    showCell(classCell, form.summaryView(classSummary));
  }
  const std::vector<std::string> lines = form.predictionLines();
  for (int line = 1; HWND prediction = controlOf(window, kind, Role::Prediction, line); ++line) {
    setWindowText(prediction, line <= static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(line - 1)] : "");
  }
}

void showForm(const Session& session, HWND window, WindowKind kind) {
  for (int item = 1; item <= session.form(kind).itemCount(); ++item) {
    showItem(session, window, kind, item);
  }
}

void showPoints(const App& app) {
  for (const auto& [kind, window] : {std::pair{WindowKind::Main, app.mainWindow}, std::pair{WindowKind::Hal, app.halWindow}}) {
    const ScoredForm& form = app.session.form(kind);
    for (int item = 1; window != nullptr && item <= form.itemCount(); ++item) {
      showCell(controlOf(window, kind, Role::Points, item), app.session.pointsView(form, item));
    }
  }
}

void drawCell(App& app, WindowKind kind, const DRAWITEMSTRUCT& item) {
  const ControlRow* row = findControl(kind, static_cast<int>(item.CtlID));
  if (row == nullptr) {
    return;
  }
  const ScoredForm& form = app.session.form(kind);
  const int dpi = kind == WindowKind::Hal ? app.halDpi : app.mainDpi;
  const HFONT font = app.font(windowTable(kind).font, dpi);
  switch (row->role) {
    case Role::Points:
      drawCellItem(item, app.session.pointsView(form, row->item), font, dpi);
      break;
    case Role::Total:
      drawCellItem(item, form.summaryView(totalSummary), font, dpi);
      break;
    case Role::Class:
      drawCellItem(item, form.summaryView(classSummary), font, dpi);
      break;
    case Role::ResultBox:
      drawCellItem(item, app.session.panel.resultView(static_cast<ReferenceEquation>(row->item)),
                   app.font(FontKind::Results, dpi), dpi);
      break;
    case Role::LowerLimitLine:
      drawCellItem(item, app.session.panel.lowerLimitView(), app.font(FontKind::Results, dpi), dpi);
      break;
    default:
      break;
  }
}

void followActivation(App& app, HWND window, WindowKind kind, WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    app.keepFocus(window);
  } else if (HIWORD(wParam) == 0) {
    app.returnFocus(window, kind);
  }
}

}  // namespace tollandra
