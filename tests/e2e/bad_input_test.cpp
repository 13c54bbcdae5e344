// Entries a clinician may type or paste into the three measurement boxes by
// mistake: each must end as the cleaned value, the box's sentinel or a
// refusal message, and the program must go on answering.

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>
#include <utility>

#include "harness.h"

namespace e2e::vcpanel {

// Defined in vc_panel_test.cpp.
HWND focusedWindow(const Program& program);
std::wstring textWithin(HWND window, UINT timeoutMs);
bool stillAnswers(const Program& program);
void leaveBox(const Program& program, int from, int to);
bool typeOver(const Program& program, int id, const std::wstring& typed, const std::wstring& reaches);
bool pasteOver(const Program& program, int id, const std::wstring& pasted);
std::optional<MessageBoxContents> answerRefusal(const Program& program);

}  // namespace e2e::vcpanel

namespace e2e {
namespace {

using namespace vcpanel;

struct Box {
  int id;
  const char* name;
  const wchar_t* sentinel;
  const wchar_t* title;
  const wchar_t* tail;
  int leaveTo;  // the box clicked to leave this one
};

const Box boxes[] = {
    {1000, "age", L"**", L"年齢（ 17 - 100 才 ）", L"\u300017 - 100 で入力を！", 1002},
    {1001, "height", L"***", L"身長（ 94 - 210 cm ）", L"\u300094 - 210 で入力を！", 1000},
    {1002, "VC", L"****", L"ＶＣ（ 1,000 - 6,000 mL ）", L"\u30001,000 - 6,000 で入力を！", 1001},
};

// What one box makes of an entry.
struct Outcome {
  enum Kind { Kept, Silent, Refused } kind;
  std::wstring shown;  // Kept: the cleaned text; Refused: what the message quotes
};

Outcome kept(std::wstring cleaned) { return {Outcome::Kept, std::move(cleaned)}; }
Outcome silent() { return {Outcome::Silent, {}}; }
Outcome refused(std::wstring quoted) { return {Outcome::Refused, std::move(quoted)}; }

struct Entry {
  const char* what;
  std::wstring entry;
  std::wstring reaches;  // typed only: what the box keeps of the keystrokes
  Outcome age, height, vc;
};

const Outcome& outcomeFor(const Entry& e, int slot) {
  return slot == 0 ? e.age : slot == 1 ? e.height : e.vc;
}

std::wstring repeated(const std::wstring& piece, std::size_t times) {
  std::wstring s;
  for (std::size_t i = 0; i < times; ++i) {
    s += piece;
  }
  return s;
}

// A refusal quotes at most 32 characters of the cleaned entry, then "…".
std::wstring shortened(const std::wstring& cleaned) { return cleaned.substr(0, 32) + L"…"; }

void expectOutcome(const Program& program, const Box& box, const Outcome& expected) {
  if (expected.kind == Outcome::Refused) {
    const auto shown = answerRefusal(program);
    ASSERT_TRUE(shown.has_value()) << "no refusal message";
    EXPECT_EQ(shown->title, box.title);
    EXPECT_EQ(shown->text, L"入力：" + expected.shown + box.tail);
  } else {
    EXPECT_EQ(program.messageBox(), nullptr) << "unexpected message";
    if (HWND message = program.messageBox()) {
      answerMessageBox(message);
    }
  }
  const std::wstring shows = expected.kind == Outcome::Kept ? expected.shown : std::wstring(box.sentinel);
  EXPECT_TRUE(waitUntil([&] { return textWithin(program.control(box.id), 500) == shows; }, 2000))
      << testing::PrintToString(textWithin(program.control(box.id), 500).substr(0, 60));
  EXPECT_TRUE(stillAnswers(program));
}

void runTable(const Program& program, const Entry* entries, std::size_t count, bool pasted) {
  for (std::size_t i = 0; i < count; ++i) {
    const Entry& e = entries[i];
    for (int slot = 0; slot < 3; ++slot) {
      const Box& box = boxes[slot];
      SCOPED_TRACE(testing::Message()
                   << (pasted ? "pasted " : "typed ") << e.what << " into the " << box.name << " box");
      ASSERT_EQ(program.messageBox(), nullptr);
      if (pasted) {
        ASSERT_TRUE(pasteOver(program, box.id, e.entry))
            << testing::PrintToString(textWithin(program.control(box.id), 500).substr(0, 40));
      } else {
        ASSERT_TRUE(typeOver(program, box.id, e.entry, e.reaches))
            << testing::PrintToString(textWithin(program.control(box.id), 500).substr(0, 40));
      }
      leaveBox(program, box.id, box.leaveTo);
      expectOutcome(program, box, outcomeFor(e, slot));
      ASSERT_TRUE(IsWindow(program.mainWindow()));
    }
  }
}

TEST(BadInput, TypedEntriesKeepOnlyTheirDigits) {
  // The boxes take digits only from the keyboard; `reaches` is what is left.
  const Entry entries[] = {
      {"nothing (box cleared)", L"", L"", silent(), silent(), silent()},
      {"blanks only", L"   ", L"", silent(), silent(), silent()},
      {"letters only", L"abc", L"", silent(), silent(), silent()},
      {"a full stop alone", L".", L"", silent(), silent(), silent()},
      {"1.2.3", L"1.2.3", L"123", refused(L"123"), kept(L"123"), refused(L"123")},
      {"-5", L"-5", L"5", refused(L"5"), refused(L"5"), refused(L"5")},
      {"+7", L"+7", L"7", refused(L"7"), refused(L"7"), refused(L"7")},
      {"full-width digits", L"６０", L"", silent(), silent(), silent()},
      {"a comma-grouped number", L"1,500", L"1500", refused(L"1500"), refused(L"1500"), kept(L"1500")},
      {"a fraction", L"170.5", L"1705", refused(L"1705"), refused(L"1705"), kept(L"1705")},
      {"digits among letters", L"6x0y", L"60", kept(L"60"), refused(L"60"), refused(L"60")},
  };
  Program program;
  runTable(program, entries, std::size(entries), false);
}

TEST(BadInput, PastedEntriesAreCleanedOrRefused) {
  // 10 000 characters of digits and letters clean to 5 000 digits: far too
  // many to be a finite number. So are 10 000 digits and 400 nines; a one and
  // 399 zeros is refused as well (its digits past the 309th are no number at
  // all). The whole paste must reach the box, and the program must answer at
  // once rather than after the box has worked through it.
  const std::wstring mixed = repeated(L"12ab", 2500);
  const std::wstring cleanedMixed = repeated(L"12", 2500);
  const std::wstring nines = repeated(L"9", 400);
  const std::wstring digits = repeated(L"1234567890", 1000);
  const std::wstring oneAndZeros = L"1" + repeated(L"0", 399);
  const Entry entries[] = {
      {"blanks only", L"   ", L"", silent(), silent(), silent()},
      {"letters only", L"abc", L"", silent(), silent(), silent()},
      {"a sentinel", L"***", L"", silent(), silent(), silent()},
      {"a full stop alone", L".", L"", refused(L"."), refused(L"."), refused(L".")},
      {"1.2.3 (reads 1.2)", L"1.2.3", L"", refused(L"1.2.3"), refused(L"1.2.3"), refused(L"1.2.3")},
      {"-5", L"-5", L"", refused(L"5"), refused(L"5"), refused(L"5")},
      {"+7", L"+7", L"", refused(L"7"), refused(L"7"), refused(L"7")},
      {"full-width digits", L"６０", L"", silent(), silent(), silent()},
      {"blanks around a number", L" 60 ", L"", kept(L"60"), refused(L"60"), refused(L"60")},
      {"a number with its unit", L"60 歳", L"", kept(L"60"), refused(L"60"), refused(L"60")},
      {"a comma-grouped number", L"1,500", L"", refused(L"1500"), refused(L"1500"), kept(L"1500")},
      {"16.9", L"16.9", L"", refused(L"16.9"), refused(L"16.9"), refused(L"16.9")},
      {"100.5", L"100.5", L"", refused(L"100.5"), kept(L"100.5"), refused(L"100.5")},
      {"93.9", L"93.9", L"", kept(L"93.9"), refused(L"93.9"), refused(L"93.9")},
      {"170.5", L"170.5", L"", refused(L"170.5"), kept(L"170.5"), refused(L"170.5")},
      {"210.0", L"210.0", L"", refused(L"210.0"), kept(L"210.0"), refused(L"210.0")},
      {"210.5", L"210.5", L"", refused(L"210.5"), refused(L"210.5"), refused(L"210.5")},
      {"999.9", L"999.9", L"", refused(L"999.9"), refused(L"999.9"), refused(L"999.9")},
      {"6000.0", L"6000.0", L"", refused(L"6000.0"), refused(L"6000.0"), kept(L"6000.0")},
      {"6000.1", L"6000.1", L"", refused(L"6000.1"), refused(L"6000.1"), refused(L"6000.1")},
      {"10 000 characters", mixed, L"", refused(shortened(cleanedMixed)), refused(shortened(cleanedMixed)),
       refused(shortened(cleanedMixed))},
      {"10 000 digits", digits, L"", refused(shortened(digits)), refused(shortened(digits)),
       refused(shortened(digits))},
      {"400 nines", nines, L"", refused(shortened(nines)), refused(shortened(nines)),
       refused(shortened(nines))},
      {"a one and 399 zeros", oneAndZeros, L"", refused(shortened(oneAndZeros)),
       refused(shortened(oneAndZeros)), refused(shortened(oneAndZeros))},
  };
  Program program;
  runTable(program, entries, std::size(entries), true);
}

}  // namespace
}  // namespace e2e
