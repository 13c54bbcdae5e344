#include <gtest/gtest.h>

#include "supplement.h"

#include <array>
#include <cmath>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/forms/forms.h"
#include "core/ppo/report.h"
#include "core/session.h"
#include "core/text/convert.h"

namespace tollandra {
namespace {

using enum PpoInput;
constexpr Sex M = Sex::Male;
constexpr Sex F = Sex::Female;

// The supplement's FEV1 curves (Table S2): the age table's values 1 (men)
// and 2 (women), and the program's S-splines.
TEST(Jrs2014Fev1, AgreesTermForTermWithTheSupplementsCurves) {
  expectSupplementCurves("jrs2014-fev1-lms.tsv", 1, jrs2014Fev1SSpline, 79);
}

PpoFigures figures(Sex sex, double age, double height, std::optional<double> fev1,
                   std::optional<double> dlco = {}, std::optional<int> resected = {}, int obstructed = 0) {
  return {sex, age, height, fev1, dlco, resected, obstructed};
}

std::vector<std::string> linesOf(const PpoResults& results) {
  std::vector<std::string> lines;
  for (int k = 1; k <= ppoLineCount; ++k) lines.push_back(cellWindowText(ppoLineView(results, k)));
  return lines;
}

// Worked out with python3 from the published equations, the supplement's
// splines read at the whole age and ln of the age as entered (45.9 reads row
// 45). 2640 mL lies below the limit of 2640.4 that shows as 2640. The ranges
// are inclusive, and both are named when both are left.
TEST(Jrs2014Fev1, WorkedPredictionsAndTheRangesOfEachSex) {
  const std::string man = "JRS2014 FEV1：範囲外（男性 ", woman = "JRS2014 FEV1：範囲外（女性 ";
  const struct {
    Sex sex;
    double age, height;
    std::optional<double> fev1;
    std::string first, second;
  } cases[] = {
      {M, 95, 104, {}, "予測 FEV1 893 mL（JRS2014）", "LLN 646 mL"},
      {F, 93, 94, 800, "予測 FEV1 628 mL（JRS2014）  %FEV1 127.4 %", "LLN 448 mL  z 1.47"},
      {M, 17, 210, 3000, "予測 FEV1 6039 mL（JRS2014）  %FEV1 49.7 %", "LLN 5031 mL  z -4.96  LLN 未満"},
      {M, 45.9, 165, 2640, "予測 FEV1 3234 mL（JRS2014）  %FEV1 81.6 %", "LLN 2640 mL  z -1.65  LLN 未満"},
      {F, 17, 210, 4000, "予測 FEV1 4756 mL（JRS2014）  %FEV1 84.1 %", "LLN 4053 mL  z -1.77  LLN 未満"},
      {M, 95.5, 170, {}, man + "17-95 歳）", ""},
      {F, 93.5, 150, {}, woman + "17-93 歳）", ""},
      {M, 60, 103.9, {}, man + "104-210 cm）", ""},
      {F, 60, 93.9, {}, woman + "94-210 cm）", ""},
      {M, 96, 100, {}, man + "17-95 歳、104-210 cm）", ""},
      {F, 94, 211, {}, woman + "17-93 歳、94-210 cm）", ""}};
  for (const auto& c : cases) {
    const std::vector<std::string> lines = linesOf(computePpo(figures(c.sex, c.age, c.height, c.fev1)));
    EXPECT_EQ(lines[0], c.first) << c.age << " y " << c.height << " cm";
    EXPECT_EQ(lines[1], c.second) << c.age << " y " << c.height << " cm";
  }
}

// The step is taken from the ppo figures as shown (a man of 60 years, 170 cm,
// predicted 3111 mL, 4 of 19 segments): 60.04 shows 60.0 and is not above
// 60; 29.96 shows 30.0 and is not below 30; a half of a mL goes up. The ppo
// %FEV1 is rounded once: FEV1 2366 mL is 76.1 %, and 76.1 × 15/19 would
// show 60.1. With 3 of the 19 obstructed, 2018 mL is 48.6 % of the
// prediction in whole mL (48.7 of the unrounded one).
TEST(ComputePpo, JudgesTheFiguresAsShownAtEachBorder) {
  const struct {
    double fev1, dlco;
    int obstructed;
    AccpStep step;
    const char *ppoFev1, *ppoDlco;
  } cases[] = {
      {2400, 76.05, 0, AccpStep::ExerciseTest, "ppoFEV1 1895 mL  ppo%FEV1 60.9 %", "ppo%DLco 60.0 %"},
      {2400, 76.2, 0, AccpStep::LowRisk, "ppoFEV1 1895 mL  ppo%FEV1 60.9 %", "ppo%DLco 60.2 %"},
      {2366, 100, 0, AccpStep::ExerciseTest, "ppoFEV1 1868 mL  ppo%FEV1 60.0 %", "ppo%DLco 78.9 %"},
      {2367, 100, 0, AccpStep::LowRisk, "ppoFEV1 1869 mL  ppo%FEV1 60.1 %", "ppo%DLco 78.9 %"},
      {2400, 37.95, 0, AccpStep::ExerciseTest, "ppoFEV1 1895 mL  ppo%FEV1 60.9 %", "ppo%DLco 30.0 %"},
      {2400, 37.9, 0, AccpStep::Cpet, "ppoFEV1 1895 mL  ppo%FEV1 60.9 %", "ppo%DLco 29.9 %"},
      {1181, 100, 0, AccpStep::ExerciseTest, "ppoFEV1 932 mL  ppo%FEV1 30.0 %", "ppo%DLco 78.9 %"},
      {1180, 100, 0, AccpStep::Cpet, "ppoFEV1 932 mL  ppo%FEV1 29.9 %", "ppo%DLco 78.9 %"},
      {2018, 61.3, 3, AccpStep::ExerciseTest, "ppoFEV1 1514 mL  ppo%FEV1 48.6 %", "ppo%DLco 46.0 %"}};
  for (const auto& c : cases) {
    const PpoResults results = computePpo(figures(M, 60, 170, c.fev1, c.dlco, 4, c.obstructed));
    EXPECT_EQ(results.step, c.step) << c.fev1 << " mL " << c.dlco << " %";
    EXPECT_EQ(linesOf(results)[2], c.ppoFev1) << c.fev1 << " mL " << c.dlco << " %";
    EXPECT_EQ(linesOf(results)[3], c.ppoDlco) << c.fev1 << " mL " << c.dlco << " %";
  }
  for (const auto& [dlco, run] :
       {std::pair{90.0, TextRun{"ACCP 2013（呼吸機能）：低リスク（ppo%FEV1・ppo%DLco とも 60 % 超）", 6, 3,
                                blue, white}},
        std::pair{20.0, TextRun{"ACCP 2013（呼吸機能）：心肺運動負荷試験（最大酸素摂取量）を推奨", 6, 3, red,
                                white}}})
    EXPECT_EQ(ppoLineView(computePpo(figures(M, 60, 170, 2400, dlco, 4)), 5).runs.at(0), run) << dlco;
}

void readAll(Session& s, int sex, const char* age, const char* height, std::array<const char*, 4> ppo) {
  if (sex != 0) s.risk.choose(sexFactor, sex);
  for (int box = 1; const char* raw : {age, height}) s.readBox(WindowKind::Main, box++, raw);
  for (int box = 1; box <= 4; ++box) s.readBox(WindowKind::Ppo, box, ppo[static_cast<std::size_t>(box) - 1]);
}

// The worked example: a man of 60 years, 170 cm, FEV1 2150 mL, %DLco 61.3 %,
// right lower lobectomy (5 segments, none obstructed). An edit of the main
// window's age takes the prediction and the step at once; reading it brings
// them back; the next patient empties the window and the record's block.
TEST(PpoReport, TheWorkedExampleOnScreenAndInTheRecord) {
  Session s;
  readAll(s, 1, "60", "170", {"2150", "61.3", "5", ""});
  const auto line = [](const char* text, Rgb color = black) {
    return CellView{true, white, {{text, 6, 3, color, white}}};
  };
  const std::vector<CellView> shown = {
      line("予測 FEV1 3111 mL（JRS2014）  %FEV1 69.1 %"), line("LLN 2483 mL  z -2.52  LLN 未満", red),
      line("ppoFEV1 1584 mL  ppo%FEV1 50.9 %"), line("ppo%DLco 45.2 %"),
      line("ACCP 2013（呼吸機能）：階段昇降試験またはシャトルウォーキング試験を推奨")};
  for (int k = 1; k <= ppoLineCount; ++k) EXPECT_EQ(ppoLineView(s, k), shown[k - 1]) << k;
  const std::string block =
      "術後予測肺機能：切除 5 区域（閉塞 0、機能区域 19）\r\n計算条件：男性 60 歳 170 cm\r\n"
      "FEV1：2150 mL、予測 3111 mL（JRS2014）、%FEV1 69.1 %、LLN 2483 mL、z -2.52、LLN 未満\r\n"
      "ppoFEV1：1584 mL、ppo%FEV1 50.9 %\r\n%DLco：61.3 %、ppo%DLco 45.2 %\r\n"
      "判定（ACCP 2013、呼吸機能）：階段昇降試験またはシャトルウォーキング試験を推奨\r\n";
  s.hal.choose(1, 1);
  const std::string record = s.summary({2027, 1, 5, 9, 5});
  EXPECT_TRUE(record.ends_with("HAL スコア：未回答の項目あり\r\n" + block)) << record;

  s.panel.edited(Measurement::Age, "6");
  EXPECT_EQ(cellWindowText(ppoLineView(s, 1)), "主画面で性別・年齢・身長を入力してください");
  EXPECT_EQ(ppoLineView(s, 2), (CellView{true, white, {}}));
  EXPECT_EQ(cellWindowText(ppoLineView(s, 3)), "ppoFEV1 1584 mL");
  EXPECT_EQ(cellWindowText(ppoLineView(s, 5)),
            "ACCP 2013（呼吸機能）：ppo%FEV1 と ppo%DLco の両方で判定します");
  s.panel.read(Measurement::Age, "60");
  EXPECT_EQ(ppoLineView(s, 5), shown[4]);
  s.startNewPatient();
  EXPECT_EQ(s.box(WindowKind::Ppo, 1), (PanelInput{0, "****", false}));
  EXPECT_EQ(ppoRecordLines(s), std::vector<std::string>{});
}

// Each missing figure is said in the line it would have filled; the other
// lines say what the given figures allow.
TEST(PpoReport, TheRecordSaysWhatIsMissingInItsPlace) {
  const std::string
      segments = "術後予測肺機能：切除 5 区域（閉塞 0、機能区域 19）",
      basis = "計算条件：男性 60 歳 170 cm",
      fev1 = "FEV1：2150 mL、予測 3111 mL（JRS2014）、%FEV1 69.1 %、LLN 2483 mL、z -2.52、LLN 未満",
      none = "判定（ACCP 2013、呼吸機能）：ppo%FEV1 と ppo%DLco がそろわないため判定なし",
      noSegments = "切除区域数：未入力のため ppo は未計算",
      noFev1 = "FEV1：未入力のため ppoFEV1・ppo%FEV1 は未計算",
      noDlco = "%DLco：未入力のため ppo%DLco は未計算";
  const struct {
    int sex;
    const char *age, *height;
    std::array<const char*, 4> ppo;
    std::vector<std::string> lines;
  } cases[] = {// clang-format off
      {0, "60", "170", {"2150", "61.3", "5", ""},
       {segments, "計算条件：性別が未回答のため予測 FEV1 は未計算（60 歳 170 cm）", "FEV1：2150 mL", "ppoFEV1：1584 mL",
        "%DLco：61.3 %、ppo%DLco 45.2 %", none}},
      {1, "60", "1655", {"2150", "", "", ""},
       {noSegments, "計算条件：身長が未入力のため予測 FEV1 は未計算（男性 60 歳）", "FEV1：2150 mL", noDlco, none}},
      {0, "", "", {"", "", "", "3"},
       {noSegments, "計算条件：性別が未回答、年齢が未入力、身長が未入力のため予測 FEV1 は未計算", noFev1, noDlco, none}},
      {1, "60", "170", {"", "61.3", "5", ""}, {segments, basis, noFev1, "%DLco：61.3 %、ppo%DLco 45.2 %", none}},
      {1, "60", "170", {"2150", "", "0", ""},
       {"術後予測肺機能：切除 0 区域（閉塞 0、機能区域 19）", basis, fev1, "ppoFEV1：2150 mL、ppo%FEV1 69.1 %", noDlco, none}},
      {1, "60", "170", {"2150", "61.3", "5", "19"},
       {"術後予測肺機能：切除 5 区域（閉塞区域数が未確定のため ppo は未計算）", basis, fev1, "%DLco：61.3 %", none}},
      {2, "95", "150", {"2150", "61.3", "4", "3"},
       {"術後予測肺機能：切除 4 区域（閉塞 3、機能区域 16）", "計算条件：女性 95 歳 150 cm",
        "FEV1：2150 mL、予測は JRS2014 の範囲外（女性 17-93 歳）", "ppoFEV1：1613 mL", "%DLco：61.3 %、ppo%DLco 46.0 %", none}}};
  // clang-format on
  for (const auto& c : cases) {
    Session s;
    readAll(s, c.sex, c.age, c.height, c.ppo);
    EXPECT_EQ(ppoRecordLines(s), c.lines) << c.lines[1];
  }
}

// The boxes read as the %VC boxes do; a count is whole, 0 included, and the
// two counts together at most 19, refused from either box. The obstructed
// count's empty mark is the 0 it counts as, and a typed "０" reads as it.
// Each limit is taken: only the last box read may be refused.
TEST(PpoPanel, ReadsWholeCountsThatLeaveASegmentAndOtherwiseAsTheVcBoxes) {
  const std::string sum = "切除区域数（閉塞を除く）と閉塞区域数の合計は 19 以下で入力してください。";
  const std::string whole = "の整数で入力してください。";
  const struct {
    std::array<const char*, 4> ppo;  // read in this order
    PpoInput last;
    Reading reading;
    bool given;
  } cases[] = {
      // clang-format off
      {{"300", "10", "0", "０"}, Obstructed, {0, "0", {}, false}, false},
      {{"6000", "200", "10", "9"}, Obstructed, {9, "9", {}, false}, true},
      {{"", "６１．３", "2.0", "１７"}, Resected, {2, "2", {}, false}, true},
      {{"", "", "10", "10"}, Obstructed, {0, "10", Message{"閉塞区域数の入力", sum}, true}, false},
      {{"", "", "2", "18"}, Resected, {0, "2", Message{"切除区域数の入力", sum}, true}, false},
      {{"", "", "1", "18"}, Resected, {1, "1", {}, false}, true},
      {{"", "", "2.5", ""}, Resected,
       {0, "2.5", Message{"切除区域数の入力", "「2.5」は整数ではありません。\n切除区域数は 0 ～ 10 " + whole}, true}, false},
      {{"", "", "", "1.5"}, Obstructed,
       {0, "1.5", Message{"閉塞区域数の入力", "「1.5」は整数ではありません。\n閉塞区域数は 0 ～ 18 " + whole}, true}, false}};
  // clang-format on
  for (const auto& c : cases) {
    PpoPanel panel;
    Reading reading;
    for (PpoInput which :
         c.last == Resected ? std::array{Fev1, Dlco, Obstructed, Resected} : std::to_array(allPpoInputs))
      reading = panel.read(which, c.ppo[static_cast<std::size_t>(which) - 1]);
    for (PpoInput w : allPpoInputs) EXPECT_TRUE(w == c.last || !panel.input(w).refused) << c.ppo[0];
    EXPECT_EQ(reading, c.reading) << c.ppo[2] << " " << c.ppo[3];
    EXPECT_EQ(panel.given(c.last), c.given) << c.ppo[2] << " " << c.ppo[3];
  }
  // Limits refused by the %VC boxes' rule, with each box's own words.
  PpoPanel panel;
  for (const auto& [which, raw, limits] : {std::tuple{Fev1, "299", "FEV1 は 300 ～ 6,000 mL で"},
                                           std::tuple{Fev1, "6001", "FEV1 は 300 ～ 6,000 mL で"},
                                           std::tuple{Dlco, "9.9", "%DLco は 10 ～ 200 % で"},
                                           std::tuple{Dlco, "200.1", "%DLco は 10 ～ 200 % で"},
                                           std::tuple{Resected, "11", "切除区域数は 0 ～ 10 の整数で"},
                                           std::tuple{Obstructed, "19", "閉塞区域数は 0 ～ 18 の整数で"}}) {
    const Reading reading = panel.read(which, raw);
    ASSERT_TRUE(reading.refused && reading.message) << raw;
    EXPECT_NE(reading.message->text.find(limits), std::string::npos) << reading.message->text;
  }
  // A refusal read again unchanged says nothing, until it is edited or the
  // other count makes it stand; the program's write-back and an emptied mark
  // are no edits.
  panel.clear();
  panel.read(Obstructed, "10");
  EXPECT_TRUE(panel.read(Resected, "10").message.has_value());
  EXPECT_EQ(panel.read(Resected, "10"), (Reading{0, "10", {}, true}));
  EXPECT_TRUE(panel.edited(Resected, "1") && panel.read(Resected, "10").message);
  panel.read(Obstructed, "9");
  EXPECT_EQ(panel.read(Resected, "10"), (Reading{10, "10", {}, false}));
  EXPECT_FALSE(panel.edited(Resected, "10") || panel.edited(Fev1, ""));
  EXPECT_TRUE(panel.edited(Resected, "1"));
  EXPECT_FALSE(panel.given(Resected));
}

}  // namespace
}  // namespace tollandra
