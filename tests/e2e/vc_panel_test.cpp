// The %VC panel of the main window as a clinician uses it: typing the three
// measurements, reading the refusal messages, switching the sex, what the
// three result boxes show in their texts and on the screen, and the entries
// that may be typed or pasted into the boxes by mistake.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "harness.h"

namespace e2e {
namespace {

constexpr int ageBox = 1000;
constexpr int heightBox = 1001;
constexpr int vcBox = 1002;
constexpr int computeButton = 1006;
constexpr int maleButton = 1015;
constexpr int femaleButton = 1022;
constexpr int sexCell = 1029;
constexpr int totalCell = 1036;
constexpr int baldwinBox = 1037;
constexpr int jrs2014Box = 1039;
constexpr int resultBoxes[] = {baldwinBox, 1038, jrs2014Box};

struct Box {
  int id;
  const char* name;
  const wchar_t* sentinel;
  const wchar_t* title;
  const wchar_t* tail;  // of the refusal, after the quoted entry
  // The box clicked to leave this one: the one above it (the VC box for the
  // age box), so that the box typed into next is not the one just clicked.
  int leaveTo;
};

const Box boxes[] = {
    {ageBox, "age", L"**", L"年齢（ 17 - 100 才 ）", L"\u300017 - 100 で入力を！", vcBox},
    {heightBox, "height", L"***", L"身長（ 94 - 210 cm ）", L"\u300094 - 210 で入力を！", ageBox},
    {vcBox, "VC", L"****", L"ＶＣ（ 1,000 - 6,000 mL ）", L"\u30001,000 - 6,000 で入力を！", heightBox},
};

const Box& boxOf(int id) { return boxes[id - ageBox]; }

// Answers the refusal that should now be open and compares it.
void expectRefusal(const Program& program, const Box& box, const std::wstring& quoted) {
  const auto shown = answerRefusal(program);
  ASSERT_TRUE(shown.has_value()) << "no refusal message";
  EXPECT_EQ(shown->title, box.title);
  EXPECT_EQ(shown->text, L"入力：" + quoted + box.tail);
}

bool typeAndLeave(const Program& program, int id, const std::wstring& typed) {
  if (!typeOver(program, id, typed, typed)) {
    return false;
  }
  leaveBox(program, id, boxOf(id).leaveTo);
  return true;
}

// ---------------------------------------------------------------------------
// What a result box shows on the screen.

enum class Ink { None, Red, Blue, Black, Other };

Ink inkOf(COLORREF c) {
  if (GetRValue(c) > 230 && GetGValue(c) > 230 && GetBValue(c) > 230) {
    return Ink::None;
  }
  if (GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80) {
    return Ink::Red;
  }
  if (GetBValue(c) > 200 && GetRValue(c) < 80 && GetGValue(c) < 80) {
    return Ink::Blue;
  }
  if (GetRValue(c) < 60 && GetGValue(c) < 60 && GetBValue(c) < 60) {
    return Ink::Black;
  }
  return Ink::Other;
}

// Where each colour lies in a box's client area, in client x.
struct Painting {
  int width = 0;
  int pixels = 0;
  int red = 0, blue = 0, black = 0, other = 0;
  int colouredRight = -1;                  // the red or blue %VC
  int blackLeft = 10000, blackRight = -1;  // the predicted text
};

Painting paintingOf(HWND box) {
  const Capture pixels(clientRectOnScreen(box));
  Painting painting;
  painting.width = pixels.width();
  painting.pixels = pixels.width() * pixels.height();
  for (int y = 0; y < pixels.height(); ++y) {
    for (int x = 0; x < pixels.width(); ++x) {
      switch (inkOf(pixels.at(x, y))) {
        case Ink::Red:
        case Ink::Blue:
          (inkOf(pixels.at(x, y)) == Ink::Red ? painting.red : painting.blue) += 1;
          painting.colouredRight = std::max(painting.colouredRight, x);
          break;
        case Ink::Black:
          ++painting.black;
          painting.blackLeft = std::min(painting.blackLeft, x);
          painting.blackRight = std::max(painting.blackRight, x);
          break;
        case Ink::Other:
          ++painting.other;
          break;
        case Ink::None:
          break;
      }
    }
  }
  return painting;
}

// Text colours just right of a box's client area (its edge and the window
// behind): a text that runs out of its box would leave some there.
int inkBeyondBox(HWND box) {
  const RECT client = clientRectOnScreen(box);
  return Capture(RECT{client.right, client.top, client.right + 8, client.bottom}).count([](COLORREF c) {
    const Ink ink = inkOf(c);
    return ink == Ink::Red || ink == Ink::Blue || ink == Ink::Black;
  });
}

// What the three boxes show: each text without its " : Baldwin", " : JRS2001"
// or " : JRS2014", and its %VC colour: R red, B blue, - none (out of range).
struct Lines {
  const wchar_t* texts[3];
  const char* colours;
};
constexpr const wchar_t* equationNames[] = {L" : Baldwin", L" : JRS2001", L" : JRS2014"};

// Right ends of the first in-range painting of each box: every later line of
// that box must end at the same x (the texts are right-aligned), and a line
// out of range 10 px further left.
struct Alignment {
  std::optional<int> percentRight[3];
  std::optional<int> predictedRight[3];
};

void expectLines(const Program& program, const Lines& lines, Alignment& alignment) {
  for (int slot = 0; slot < 3; ++slot) {
    HWND box = program.control(resultBoxes[slot]);
    const std::wstring expected = std::wstring(lines.texts[slot]) + equationNames[slot];
    const char colour = lines.colours[slot];
    SCOPED_TRACE(testing::Message() << "box " << resultBoxes[slot]);
    EXPECT_TRUE(waitUntil([&] { return text(box) == expected; }, 2000)) << text(box);
    const Painting p = paintingOf(box);
    EXPECT_EQ(p.other, 0) << "only white, black, red and blue are painted";
    EXPECT_GT(p.black, 0) << "predicted text drawn";
    EXPECT_LT(p.blackRight, p.width - 1) << "predicted text ends inside the box";
    EXPECT_EQ(inkBeyondBox(box), 0);
    EXPECT_EQ(p.red > 0, colour == 'R');
    EXPECT_EQ(p.blue > 0, colour == 'B');
    if (colour != '-') {
      EXPECT_LT(p.colouredRight, 70) << "%VC text ends before the predicted text";
      EXPECT_GE(p.blackLeft, 70) << "predicted text starts after the %VC";
      if (!alignment.percentRight[slot]) {
        alignment.percentRight[slot] = p.colouredRight;
        alignment.predictedRight[slot] = p.blackRight;
      }
      EXPECT_EQ(p.colouredRight, *alignment.percentRight[slot]) << "%VC right-aligned";
      EXPECT_EQ(p.blackRight, *alignment.predictedRight[slot]) << "predicted text right-aligned";
    } else {
      EXPECT_GE(p.blackLeft, 60);
      ASSERT_TRUE(alignment.predictedRight[slot]) << "an in-range line of this box must come first";
      EXPECT_EQ(p.blackRight, *alignment.predictedRight[slot] - 10) << "range text drawn 10 px further left";
    }
  }
}

void expectBlank(const Program& program) {
  for (int id : resultBoxes) {
    SCOPED_TRACE(testing::Message() << "box " << id);
    const Painting p = paintingOf(program.control(id));
    EXPECT_EQ(p.red + p.blue + p.black, 0) << "nothing painted";
    EXPECT_EQ(text(program.control(id)), L"pVC" + std::to_wstring(10 * (id - baldwinBox + 1)));
  }
}

// ---------------------------------------------------------------------------
// Steps of a session at the panel: measurements typed (nullptr leaves a box
// as it is), then optionally a click on a sex control.

struct Step {
  const char* what;
  const wchar_t* age;
  const wchar_t* height;
  const wchar_t* vc;
  int clickAfter;  // 0: none
  bool male;
  Lines lines;
};

void run(const Program& program, const Step& step, Alignment& alignment) {
  SCOPED_TRACE(step.what);
  for (const auto& [id, entry] :
       {std::pair{ageBox, step.age}, std::pair{heightBox, step.height}, std::pair{vcBox, step.vc}}) {
    if (entry != nullptr) {
      ASSERT_TRUE(typeAndLeave(program, id, entry));
      ASSERT_EQ(program.messageBox(), nullptr);
    }
  }
  if (step.clickAfter != 0) {
    clickSingle(program.control(step.clickAfter));
    program.settle();
  }
  EXPECT_TRUE(waitUntil([&] { return isChecked(program.control(maleButton)) == step.male; }, 2000));
  EXPECT_NE(isChecked(program.control(femaleButton)), step.male);
  expectLines(program, step.lines, alignment);
}

const Lines manExample = {{L"84.4 % 3555", L"74.8 % 4012", L"72.4 % 4142"}, "BRR"};
const Step manSession = {"man 60 y, 170 cm, 3000 mL", L"60", L"170", L"3000", 0, true, manExample};

TEST(VcPanel, WorkedExamplesFollowTheSexAndPaintInTheirColours) {
  // Independent arithmetic for the lines not given as worked examples:
  //   woman 60 y, 170 cm: Baldwin (21.78 − 0.101 × 60) × 170 = 2672.4 → 2672,
  //     3000 / 2672 = 112.3 %; JRS2001 1000 × (0.032 × 170 − 0.018 × 60 −
  //     1.178) = 3182, 94.3 %; JRS2014 1000 × e^(−8.0707 + 1.9399 ln 170 −
  //     0.1678 ln 60 + 0.01838014) = 3399.35 → 3399, 88.3 %.
  //   man 60 y, 170 cm, VC 2844: 2844 / 3555 = 80.0 % exactly (red), 70.9 %,
  //     68.7 %; VC 2848: 80.11 → 80.1 % (blue), 71.0 %, 68.8 %.
  const Lines womanAt170 = {{L"112.3 % 2672", L"94.3 % 3182", L"88.3 % 3399"}, "BBB"};
  // clang-format off
  const Step steps[] = {
      {"女性 button recalculates", nullptr, nullptr, nullptr, femaleButton, false, womanAt170},
      {"男性 button recalculates", nullptr, nullptr, nullptr, maleButton, true, manExample},
      {"sex points cell to female", nullptr, nullptr, nullptr, sexCell, false, womanAt170},
      {"sex points cell to male", nullptr, nullptr, nullptr, sexCell, true, manExample},
      {"80.0 % is red", nullptr, nullptr, L"2844", 0, true,
       {{L"80.0 % 3555", L"70.9 % 4012", L"68.7 % 4142"}, "RRR"}},
      {"80.1 % is blue", nullptr, nullptr, L"2848", 0, true,
       {{L"80.1 % 3555", L"71.0 % 4012", L"68.8 % 4142"}, "BRR"}},
      {"woman 60 y, 155 cm, 2200 mL", nullptr, L"155", L"2200", femaleButton, false,
       {{L"90.3 % 2437", L"81.4 % 2702", L"77.4 % 2842"}, "BBR"}},
  };
  // clang-format on

  Program program;
  // Nothing of the sex row is drawn before the first computation.
  EXPECT_FALSE(isChecked(program.control(maleButton)));
  EXPECT_FALSE(isChecked(program.control(femaleButton)));
  EXPECT_EQ(text(program.control(sexCell)), L"*");
  EXPECT_EQ(text(program.control(totalCell)), L"");
  expectBlank(program);

  Alignment alignment;
  run(program, manSession, alignment);
  // The first computation shows the sex it used: male, with its points.
  EXPECT_EQ(text(program.control(sexCell)), L"3");
  EXPECT_EQ(text(program.control(totalCell)), L"3 （低リスク）");
  for (const Step& step : steps) {
    run(program, step, alignment);
  }

  // The boxes repaint what they hold after another window has lain over them.
  const RECT first = windowRect(program.control(baldwinBox));
  const RECT last = windowRect(program.control(jrs2014Box));
  Cover cover(RECT{first.left - 4, first.top - 4, last.right + 4, last.bottom + 4}, BLACK_BRUSH);
  for (int id : resultBoxes) {
    ASSERT_TRUE(waitUntil(
        [&] {
          pumpMessages(0);
          const Painting p = paintingOf(program.control(id));
          return p.pixels > 0 && p.black == p.pixels;
        },
        2000))
        << id;
  }
  cover.remove();
  program.settle();
  expectLines(program, steps[std::size(steps) - 1].lines, alignment);
  EXPECT_TRUE(program.answers());
}

// The virtual screen has no input method: full-width entries reach the boxes
// as text set from outside, as a paste would bring them.
TEST(VcPanel, FullWidthEntriesAreCleanedToAsciiAndComputed) {
  Program program;
  const std::pair<int, const wchar_t*> entries[] = {
      {ageBox, L"\uFF16\uFF10"}, {heightBox, L"\uFF11\uFF17\uFF10\u3002\uFF10"}, {vcBox, L"\uFF13\uFF0C\uFF10\uFF10\uFF10"}};
  for (const auto& [id, entry] : entries) {
    SendMessageW(program.control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(entry));
  }
  click(program.control(computeButton));
  program.settle();
  EXPECT_EQ(program.messageBox(), nullptr);
  EXPECT_EQ(text(program.control(ageBox)), L"60");
  EXPECT_EQ(text(program.control(heightBox)), L"170.0");
  EXPECT_EQ(text(program.control(vcBox)), L"3000");
  Alignment alignment;
  expectLines(program, manExample, alignment);
}

TEST(VcPanel, EquationsOutOfRangeShowTheirRangeFurtherLeft) {
  // man 18 y, 170 cm: Baldwin (27.63 − 0.112 × 18) × 170 = 4354.38 → 4354,
  //   3000 / 4354 = 68.9 %; JRS2014 1000 × e^(−8.8317 + 2.1043 ln 170 −
  //   0.1382 ln 18 − 0.08131694) = 4458.4 → 4458, 67.3 %.
  // man 95 y: Baldwin (27.63 − 10.64) × 170 = 2888.3 → 2888, 103.9 %;
  //   JRS2001 1000 × (7.65 − 2.185 − 2.258) = 3207, 93.5 %.
  // woman 95 y: Baldwin (21.78 − 9.595) × 170 = 2071.45 → 2071, 144.9 %;
  //   JRS2001 1000 × (5.44 − 1.71 − 1.178) = 2552, 117.6 %.
  // clang-format off
  const Step steps[] = {
      manSession,
      {"man 18 y: JRS2001 out of range", L"18", nullptr, nullptr, 0, true,
       {{L"68.9 % 4354", L"20-100 yrs", L"67.3 % 4458"}, "R-R"}},
      {"man 95 y: JRS2014 out of range", L"95", nullptr, nullptr, 0, true,
       {{L"103.9 % 2888", L"93.5 % 3207", L"17-90 yrs"}, "BB-"}},
      {"woman 95 y: JRS2014 out of its range for women", nullptr, nullptr, nullptr, femaleButton, false,
       {{L"144.9 % 2071", L"117.6 % 2552", L"17-93 yrs"}, "BB-"}},
  };
  // clang-format on
  Program program;
  Alignment alignment;
  for (const Step& step : steps) {
    run(program, step, alignment);
  }
}

TEST(VcPanel, LimitsAcceptTheirBoundsAndRefuseOneBeyond) {
  Program program;

  // The compute button reads all three boxes in order. Only one box can hold
  // an unread entry when a user clicks, so the driver writes the other two.
  const std::pair<int, const wchar_t*> beyond[] = {{ageBox, L"16"}, {heightBox, L"93"}, {vcBox, L"999"}};
  for (const auto& [id, value] : beyond) {
    SendMessageW(program.control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value));
  }
  click(program.control(computeButton));
  for (const auto& [id, value] : beyond) {
    SCOPED_TRACE(boxOf(id).name);
    expectRefusal(program, boxOf(id), value);
  }
  program.settle();
  EXPECT_EQ(program.messageBox(), nullptr);
  for (const Box& box : boxes) {
    EXPECT_EQ(text(program.control(box.id)), box.sentinel);
  }
  expectBlank(program);

  const struct {
    int box;
    const wchar_t* typed;
    bool refused;  // otherwise accepted and shown as typed
  } cases[] = {
      {ageBox, L"17", false},   {ageBox, L"100", false},   {ageBox, L"16", true},
      {ageBox, L"101", true},   {heightBox, L"94", false}, {heightBox, L"210", false},
      {heightBox, L"93", true}, {heightBox, L"211", true}, {vcBox, L"1000", false},
      {vcBox, L"6000", false},  {vcBox, L"999", true},     {vcBox, L"6001", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "box " << c.box << " typed "
                                    << testing::PrintToString(std::wstring(c.typed)));
    ASSERT_TRUE(typeAndLeave(program, c.box, c.typed));
    if (c.refused) {
      expectRefusal(program, boxOf(c.box), c.typed);
    } else {
      EXPECT_EQ(program.messageBox(), nullptr);
    }
    EXPECT_EQ(text(program.control(c.box)), c.refused ? boxOf(c.box).sentinel : c.typed);
  }

  // A refused entry after a computation leaves its results on display.
  Alignment alignment;
  run(program, manSession, alignment);
  ASSERT_TRUE(typeOver(program, ageBox, L"16", L"16"));
  leaveBox(program, ageBox, heightBox);
  expectRefusal(program, boxOf(ageBox), L"16");
  program.settle();
  EXPECT_EQ(text(program.control(ageBox)), L"**");
  expectLines(program, manExample, alignment);
}

TEST(VcPanel, RefusedValueIsClearedBeforeItsMessageAppears) {
  Program program;
  for (const auto& [id, typed] : {std::pair{ageBox, L"60"}, std::pair{heightBox, L"170"}}) {
    ASSERT_TRUE(typeAndLeave(program, id, typed));
    ASSERT_EQ(program.messageBox(), nullptr);
  }
  ASSERT_TRUE(typeOver(program, vcBox, L"900", L"900"));
  clickSingle(program.control(ageBox));
  HWND message = program.waitWindow(L"#32770", nullptr, 3000);
  ASSERT_NE(message, nullptr);
  // While the message is up the age box's own reading may run; it must find
  // no VC, so nothing is computed for 900 mL.
  program.settle();
  EXPECT_EQ(text(program.control(vcBox)), L"****");
  expectBlank(program);
  const MessageBoxContents shown = answerMessageBox(message);
  EXPECT_EQ(shown.title, boxOf(vcBox).title);
  EXPECT_EQ(shown.text, std::wstring(L"入力：900") + boxOf(vcBox).tail);
  program.settle();
  EXPECT_EQ(text(program.control(vcBox)), L"****");
  expectBlank(program);
  EXPECT_TRUE(waitUntil([&] { return program.messageBox() == nullptr; }, 500));

  // The panel goes on as usual once a valid VC comes.
  Alignment alignment;
  run(program, Step{"VC 3000 mL", nullptr, nullptr, L"3000", 0, true, manExample}, alignment);
}

// ---------------------------------------------------------------------------
// Entries a clinician may type or paste by mistake: each must end as the
// cleaned value, the box's sentinel or a refusal message, and the program
// must go on answering.

// What one box makes of an entry.
struct Outcome {
  enum Kind { Kept, Silent, Refused } kind;
  std::wstring shown;  // Kept: the cleaned text; Refused: what the message quotes
};

Outcome kept(std::wstring cleaned) { return {Outcome::Kept, std::move(cleaned)}; }
Outcome refused(std::wstring quoted) { return {Outcome::Refused, std::move(quoted)}; }
const Outcome silent{Outcome::Silent, {}};

struct Entry {
  const char* what;
  std::wstring entry;
  std::wstring reaches;             // typed only: what the box keeps of the keystrokes
  std::array<Outcome, 3> outcomes;  // age, height, VC

  Entry(const char* w, std::wstring e, std::wstring r, Outcome age, Outcome height, Outcome vc)
      : what(w), entry(std::move(e)), reaches(std::move(r)), outcomes{age, height, vc} {}
  // The same outcome in every box.
  Entry(const char* w, std::wstring e, std::wstring r, const Outcome& all) : Entry(w, e, r, all, all, all) {}
};

std::wstring repeated(const std::wstring& piece, std::size_t times) {
  std::wstring s;
  for (std::size_t i = 0; i < times; ++i) {
    s += piece;
  }
  return s;
}

// A refusal quotes at most 32 characters of the cleaned entry, then "…".
Outcome refusedShortened(const std::wstring& cleaned) { return refused(cleaned.substr(0, 32) + L"…"); }

void runEntries(const std::vector<Entry>& entries, bool pasted) {
  Program program;
  for (const Entry& e : entries) {
    for (int slot = 0; slot < 3; ++slot) {
      const Box& box = boxes[slot];
      const Outcome& expected = e.outcomes[slot];
      SCOPED_TRACE(testing::Message()
                   << (pasted ? "pasted " : "typed ") << e.what << " into the " << box.name << " box");
      ASSERT_EQ(program.messageBox(), nullptr);
      ASSERT_TRUE(pasted ? pasteOver(program, box.id, e.entry)
                         : typeOver(program, box.id, e.entry, e.reaches))
          << testing::PrintToString(textWithin(program.control(box.id), 500).substr(0, 40));
      leaveBox(program, box.id, box.leaveTo);
      if (expected.kind == Outcome::Refused) {
        expectRefusal(program, box, expected.shown);
      } else if (HWND message = program.messageBox()) {
        ADD_FAILURE() << "unexpected message";
        answerMessageBox(message);
      }
      const std::wstring shows = expected.kind == Outcome::Kept ? expected.shown : std::wstring(box.sentinel);
      EXPECT_TRUE(waitUntil([&] { return textWithin(program.control(box.id), 500) == shows; }, 2000))
          << testing::PrintToString(textWithin(program.control(box.id), 500).substr(0, 60));
      EXPECT_TRUE(program.answers());
      ASSERT_TRUE(IsWindow(program.mainWindow()));
    }
  }
}

TEST(BadInput, TypedEntriesKeepOnlyTheirDigits) {
  // The boxes take digits only from the keyboard; `reaches` is what is left.
  runEntries(
      {
          {"nothing (box cleared)", L"", L"", silent},
          {"blanks only", L"   ", L"", silent},
          {"letters only", L"abc", L"", silent},
          {"a full stop alone", L".", L"", silent},
          {"1.2.3", L"1.2.3", L"123", refused(L"123"), kept(L"123"), refused(L"123")},
          {"-5", L"-5", L"5", refused(L"5")},
          {"+7", L"+7", L"7", refused(L"7")},
          {"full-width digits", L"６０", L"", silent},
          {"a comma-grouped number", L"1,500", L"1500", refused(L"1500"), refused(L"1500"), kept(L"1500")},
          {"a fraction", L"170.5", L"1705", refused(L"1705"), refused(L"1705"), kept(L"1705")},
          {"digits among letters", L"6x0y", L"60", kept(L"60"), refused(L"60"), refused(L"60")},
      },
      false);
}

TEST(BadInput, PastedEntriesAreCleanedOrRefused) {
  // 10 000 characters of digits and letters clean to 5 000 digits: far too
  // many to be a finite number. So are 10 000 digits and 400 nines; a one and
  // 399 zeros is refused as well (its digits past the 309th are no number at
  // all). The whole paste must reach the box, and the program must answer at
  // once rather than after the box has worked through it.
  const std::wstring digits = repeated(L"1234567890", 1000);
  const std::wstring nines = repeated(L"9", 400);
  const std::wstring oneAndZeros = L"1" + repeated(L"0", 399);
  runEntries(
      {
          {"blanks only", L"   ", L"", silent},
          {"letters only", L"abc", L"", silent},
          {"a sentinel", L"***", L"", silent},
          {"a full stop alone", L".", L"", refused(L".")},
          {"1.2.3 (reads 1.2)", L"1.2.3", L"", refused(L"1.2.3")},
          {"-5", L"-5", L"", refused(L"5")},
          {"+7", L"+7", L"", refused(L"7")},
          {"full-width digits", L"６０", L"", kept(L"60"), refused(L"60"), refused(L"60")},
          {"blanks around a number", L" 60 ", L"", kept(L"60"), refused(L"60"), refused(L"60")},
          {"a number with its unit", L"60 歳", L"", kept(L"60"), refused(L"60"), refused(L"60")},
          {"a comma-grouped number", L"1,500", L"", refused(L"1500"), refused(L"1500"), kept(L"1500")},
          {"16.9", L"16.9", L"", refused(L"16.9")},
          {"100.5", L"100.5", L"", refused(L"100.5"), kept(L"100.5"), refused(L"100.5")},
          {"93.9", L"93.9", L"", kept(L"93.9"), refused(L"93.9"), refused(L"93.9")},
          {"170.5", L"170.5", L"", refused(L"170.5"), kept(L"170.5"), refused(L"170.5")},
          {"210.0", L"210.0", L"", refused(L"210.0"), kept(L"210.0"), refused(L"210.0")},
          {"210.5", L"210.5", L"", refused(L"210.5")},
          {"999.9", L"999.9", L"", refused(L"999.9")},
          {"6000.0", L"6000.0", L"", refused(L"6000.0"), refused(L"6000.0"), kept(L"6000.0")},
          {"6000.1", L"6000.1", L"", refused(L"6000.1")},
          {"10 000 characters", repeated(L"12ab", 2500), L"", refusedShortened(repeated(L"12", 2500))},
          {"10 000 digits", digits, L"", refusedShortened(digits)},
          {"400 nines", nines, L"", refusedShortened(nines)},
          {"a one and 399 zeros", oneAndZeros, L"", refusedShortened(oneAndZeros)},
      },
      true);
}

}  // namespace
}  // namespace e2e
