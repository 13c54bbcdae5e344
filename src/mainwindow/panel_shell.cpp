#include "mainwindow/panel_shell.h"

#include "app/app.h"
#include "mainwindow/controls.h"
#include "platform/win.h"

namespace tollandra {
namespace {

HWND control(int id) { return GetDlgItem(shared.mainWindow, id); }

void setCheck(int id, bool checked) {
  SendMessageW(control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// Both marks are set whatever the buttons did on the click.
void showFactorRow(int factor) {
  const OptionMarks marks = optionMarks(app.risk.factor(factor));
  setCheck(idFirstOption1 + factor - 1, marks.option1);
  setCheck(idFirstOption2 + factor - 1, marks.option2);
  showCell(control(idFirstPointsCell + factor - 1), app.risk.pointsView(factor));
  showCell(control(idTotalCell), app.risk.totalView());
}

constexpr struct {
  int boxId;
  ReferenceEquation equation;
} resultBoxes[] = {
    {idBaldwinBox, ReferenceEquation::Baldwin},
    {idJrs2001Box, ReferenceEquation::JRS2001},
    {idJrs2014Box, ReferenceEquation::JRS2014},
};

Measurement measurementOf(int boxId) {
  switch (boxId) {
    case idAgeBox:
      return Measurement::Age;
    case idHeightBox:
      return Measurement::Height;
    default:
      return Measurement::Vc;
  }
}

}  // namespace

void chooseFactor(int factor, int option) {
  if (option == 0) {
    app.risk.toggleFactorChoice(factor);
  } else {
    app.risk.setFactorChoice(factor, option);
  }
  showFactorRow(factor);
  if (factor == sexFactor) {
    recalculateVc();
  }
}

void readBox(int boxId) {
  if (app.mainClosing) {
    return;
  }
  HWND box = control(boxId);
  const Reading reading = app.panel.read(measurementOf(boxId), windowText(box));
  // Stored and written back before any message: while the message box is up,
  // another box's reading may run and must not see the refused value.
  setWindowText(box, reading.text);
  if (reading.message) {
    MessageBoxW(shared.mainWindow, wide(reading.message->text).c_str(),
                wide(reading.message->caption).c_str(), MB_OK | MB_ICONQUESTION);
  }
}

void recalculateVc() {
  if (!app.panel.ready()) {
    return;
  }
  // Male until the user chooses female; the row shows the sex the equations use.
  const bool male = app.risk.factor(sexFactor).choice == 1;
  app.risk.setFactorChoice(sexFactor, male ? 1 : 2);
  showFactorRow(sexFactor);
  app.panel.compute(male ? Sex::Male : Sex::Female);
  for (const auto& box : resultBoxes) {
    showCell(control(box.boxId), app.panel.resultView(box.equation));
  }
}

void drawMainCell(const DRAWITEMSTRUCT& item) {
  const int id = static_cast<int>(item.CtlID);
  if (id >= idFirstPointsCell && id < idFirstPointsCell + factorCount) {
    drawCellItem(item, app.risk.pointsView(id - idFirstPointsCell + 1), shared.fontMain);
  } else if (id == idTotalCell) {
    drawCellItem(item, app.risk.totalView(), shared.fontMain);
  } else {
    for (const auto& box : resultBoxes) {
      if (box.boxId == id) {
        drawCellItem(item, app.panel.resultView(box.equation), shared.fontResults);
      }
    }
  }
}

}  // namespace tollandra
