#include "driver/captions.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <tuple>

#include "core/forms/forms.h"
#include "core/info/texts.h"
#include "core/ppo/results.h"
#include "core/vc/results.h"
#include "core/windows/dpi.h"
#include "win/build/builder.h"
#include "win/platform/win.h"

namespace driver {
namespace {

using tollandra::CellView;
using tollandra::ControlRow;
using tollandra::Role;
using tollandra::WindowKind;

// One line a control can show, and from which x of its client area.
struct Shown {
  std::string text;
  int x = 0;  // at 96 DPI
  tollandra::FontKind font;
};

void addRuns(std::vector<Shown>& shown, const CellView& view, tollandra::FontKind font) {
  for (const tollandra::TextRun& run : view.runs) shown.push_back({run.text, run.x, font});
}

// A form answered as the options say, 0 leaving an item open.
tollandra::ScoredForm answered(const tollandra::FormDefinition& definition, std::initializer_list<int> options) {
  tollandra::ScoredForm form(definition);
  int item = 0;
  for (int option : options) {
    ++item;
    if (option != 0) form.choose(item, option);
  }
  return form;
}

// The longest texts a painted cell or a line the program fills can show:
// results out of range by age and by height and the widest in range, the
// limit line's widest and its question, totals with every band and with the
// most items open, every prediction.
std::vector<Shown> samplesOf(WindowKind kind, const ControlRow& row) {
  using enum tollandra::Sex;
  const tollandra::FormDefinition& definition =
      kind == WindowKind::Hal ? tollandra::halFormDefinition() : tollandra::riskFormDefinition();
  std::vector<tollandra::ScoredForm> forms;
  for (int option : {1, 2}) {
    forms.push_back(kind == WindowKind::Hal ? answered(definition, {option, option, option})
                                            : answered(definition, {option, option, option, option, option, option, option}));
  }
  forms.push_back(answered(definition, {1, 1, 2, 0, 0, 0, 0}));
  forms.push_back(answered(definition, {1}));
  std::vector<Shown> shown;
  switch (row.role) {
    case Role::ResultBox: {
      const tollandra::Jrs2014Grid& grid = tollandra::builtInJrs2014Grid();
      const auto equation = static_cast<tollandra::ReferenceEquation>(row.item);
      for (const auto& [sex, age, height] : {std::tuple{Male, 95.0, 170.0}, std::tuple{Male, 60.0, 100.0},
                                             std::tuple{Female, 60.0, 200.0}, std::tuple{Female, 17.0, 210.0}}) {
        const tollandra::References results = tollandra::computeReferences(grid, sex, age, height, 6000);
        addRuns(shown, tollandra::resultView(results.of(equation)), tollandra::FontKind::Results);
      }
      addRuns(shown, tollandra::resultView({9999, "9999 : JRS2001", 999.9, "999.9"}), tollandra::FontKind::Results);
      break;
    }
    case Role::LowerLimitLine:
      addRuns(shown, tollandra::lowerLimitView({true, 9999, -19.99, true}), tollandra::FontKind::Results);
      shown.push_back({"性別を選んでください", 6, tollandra::FontKind::Results});
      break;
    case Role::Total:
    case Role::Class:
      for (const tollandra::ScoredForm& form : forms)
        addRuns(shown, form.summaryView(row.role == Role::Total ? tollandra::totalSummary : tollandra::classSummary),
                tollandra::windowTable(kind).font);
      break;
    case Role::Prediction:
      for (const tollandra::ScoredForm& form : forms) {
        const std::vector<std::string> lines = form.predictionLines();
        if (static_cast<std::size_t>(row.item) <= lines.size())
          shown.push_back({lines[static_cast<std::size_t>(row.item - 1)], 0, tollandra::windowTable(kind).font});
      }
      break;
    case Role::ResultLine: {
      // Out of range by both limits, no basis yet, and the widest figures a
      // line can hold with each step.
      std::vector<tollandra::PpoResults> samples;
      for (const auto& [sex, age, height] : {std::tuple{Male, 96.0, 100.0}, std::tuple{Female, 94.0, 211.0}})
        samples.push_back(tollandra::computePpo({sex, age, height, 6000.0, 200.0, 10, 0}));
      samples.push_back(tollandra::computePpo({std::nullopt, 0, 0, 6000.0, 200.0, 10, 0}));
      tollandra::PpoResults widest = tollandra::computePpo({Male, 60, 170, 6000.0, 200.0, 0, 0});
      widest.predictedMl = 9999;
      widest.percentFev1 = widest.ppoPercentFev1 = 1999.9;
      widest.limit = {true, 9999, -19.99, true};
      using enum tollandra::AccpStep;
      for (auto step : {None, LowRisk, ExerciseTest, Cpet}) {
        widest.step = step;
        samples.push_back(widest);
      }
      for (const tollandra::PpoResults& results : samples)
        addRuns(shown, tollandra::ppoLineView(results, row.item), tollandra::FontKind::Results);
      break;
    }
    case Role::CopyNotice:
      shown.push_back({std::string(tollandra::copyNotice), 0, tollandra::windowTable(kind).font});
      break;
    default:
      break;
  }
  return shown;
}

// What a control shows: its caption, or what it is filled with. Nothing for
// a picture or the points cells, whose one digit always fits.
std::vector<Shown> shownBy(WindowKind kind, const ControlRow& row) {
  std::vector<Shown> shown = samplesOf(kind, row);
  if (!shown.empty() || row.role == Role::TitleBitmap || row.role == Role::Points) return shown;
  if (!row.caption.empty()) shown.push_back({std::string(row.caption), 0, tollandra::windowTable(kind).font});
  return shown;
}

// Boxes meant to hold more than one line: the first source's address, the
// third's citation, the three papers and the guideline wrap by design.
bool holdsTwoLines(WindowKind kind, int id) {
  return kind == WindowKind::References && (id == 1061 || id == 1065 || (id >= 1096 && id <= 1099));
}

// A box that wraps its text: a line naming it when the lines it wraps to at
// this scale are more than its height shows, as the box itself counts them.
std::optional<std::string> wrapMisfitOf(HWND parent, HDC dc, WindowKind kind, const ControlRow& row,
                                        int dpi) {
  HWND control = GetDlgItem(parent, row.id);
  RECT area{};
  SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
  const auto lines = static_cast<int>(SendMessageW(control, EM_GETLINECOUNT, 0, 0));
  const HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, before);
  if (lines * metrics.tmHeight <= area.bottom - area.top) return std::nullopt;
  std::ostringstream line;
  line << dpi << " DPI, " << tollandra::windowTable(kind).title << ", " << row.id << " wraps to " << lines
       << " lines of " << metrics.tmHeight << " px in " << area.bottom - area.top;
  return line.str();
}

// One text measured in its control: a line naming it and both sizes when it
// does not fit, or lacks glyphs in the face; nothing when it fits.
std::optional<std::string> misfitOf(HWND parent, HDC dc, WindowKind kind, const ControlRow& row,
                                    const Shown& shown, int dpi, int monitorDpi) {
  const std::wstring text = tollandra::wide(shown.text);
  const tollandra::Font font = tollandra::makeFont(tollandra::fontRow(shown.font), dpi);
  const HGDIOBJ before = SelectObject(dc, font.get());
  HWND control = GetDlgItem(parent, row.id);
  RECT area{};
  GetClientRect(control, &area);
  if (row.windowClass == tollandra::ControlClass::Edit)
    SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
  int width = area.right - area.left - tollandra::scaled(shown.x, dpi);
  if (row.role == Role::Option) {
    int zero = 0;
    GetCharWidthW(dc, L'0', L'0', &zero);
    width -= 12 * monitorDpi / 96 + 1 + zero / 2;
  }
  const int length = static_cast<int>(text.size());
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), length, &size);
  std::vector<WORD> glyphs(text.size());
  GetGlyphIndicesW(dc, text.c_str(), length, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  SelectObject(dc, before);
  const bool missing = std::ranges::count(glyphs, WORD{0xFFFF}) > 0;
  const tollandra::FontRow& asked = tollandra::fontRow(shown.font);
  const bool named = face == tollandra::wide(asked.face) || face == tollandra::wide(asked.englishFace);
  if (size.cx + 2 <= width && size.cy <= area.bottom - area.top && !missing && named) return std::nullopt;
  std::ostringstream line;
  line << dpi << " DPI, " << tollandra::windowTable(kind).title << ", " << row.id << " \"" << shown.text
       << "\": " << size.cx << "x" << size.cy << " in " << width << "x" << area.bottom - area.top
       << (missing ? ", glyphs missing" : "") << (named ? " in " : ", another face: ") << tollandra::utf8(face);
  return line.str();
}

}  // namespace

std::vector<std::string> captionMisfits(int dpi, int monitorDpi) {
  if (monitorDpi == 0) monitorDpi = dpi;
  std::vector<std::string> misfits;
  for (WindowKind kind : {WindowKind::Main, WindowKind::Hal, WindowKind::Introduction, WindowKind::About,
                          WindowKind::References, WindowKind::Ppo}) {
    const tollandra::WindowTable& table = tollandra::windowTable(kind);
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, tollandra::scaled(table.width, dpi),
                                  tollandra::scaled(table.height, dpi), nullptr, nullptr, nullptr, nullptr);
    const tollandra::Font windowFont = tollandra::makeFont(tollandra::fontRow(table.font), dpi);
    tollandra::createControls(parent, table, [&](tollandra::FontKind) { return windowFont.get(); }, dpi);
    HDC dc = GetDC(parent);
    for (const ControlRow& row : table.controls) {
      if (holdsTwoLines(kind, row.id)) {
        if (std::optional<std::string> misfit = wrapMisfitOf(parent, dc, kind, row, dpi))
          misfits.push_back(std::move(*misfit));
        continue;
      }
      for (const Shown& shown : shownBy(kind, row)) {
        if (std::optional<std::string> misfit = misfitOf(parent, dc, kind, row, shown, dpi, monitorDpi)) {
          misfits.push_back(std::move(*misfit));
        }
      }
    }
    ReleaseDC(parent, dc);
    DestroyWindow(parent);
  }
  return misfits;
}

}  // namespace driver
