#include "core/info/texts.h"

namespace tollandra {

// The page is drawn line by line at x 40; each y is kept as text, as the
// page has always been laid out.
const std::array<AboutLine, 18> AboutLines = {{
    {"●術後間質性肺炎の急性増悪リスクスコア計算ツール", "20"},
    {" 　Tollandra.exe  ver.5.2", "40"},
    {"●免責", "80"},
    {" 　本アプリの利用に当たっては、各自の責任においてご利用下さい。", "100"},
    {" 　本アプリを使用したことによって生じたすべての障害、損害、不具合等に関して当方は一切責任を負いません"
     "。",
     "120"},
    {" 　本アプリで表示している値は公式な値と合致することを保証するものではありません。", "140"},
    {" 　本アプリの内容、情報は古くなったり、誤情報が入っている可能性もあります。", "160"},
    {" 　本アプリで紹介している情報、サービス等に関しても一切責任を負いません。", "180"},
    {"●指導・協力者", "220"},
    {" 　山田　太郎（○○大学医学部　呼吸器外科学講座　教授）", "240"},
    {" 　山田　花子（○○大学医学部附属病院　呼吸器内科　講師）", "260"},
    {" 　鈴木　一郎（△△市立病院　呼吸器外科　医長）", "280"},
    {"●注意", "320"},
    {" 　年齢、身長など勝手な入力制限があります。", "340"},
    {" 　VC基準値は計算式によらず mL 表記としています。", "360"},
    {" 　本アプリのサポートはありません。", "380"},
    {"   ", "400"},
    {"   －－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－", "420"},
}};

const std::array<std::array<std::string_view, 2>, 5> ReferenceLines = {{
    {"●厚生労働科学研究費補助金（難治性疾患等政策研究事業）  間質性肺炎合併肺癌部会報告",
     "https://mhlw-grants.niph.go.jp/project/25943"},
    {"●ＨＡＬスコア ： 3 つの項目で間質性肺炎の急性増悪を予測 （報道発表） 浜松医科大学",
     "https://www.hama-med.ac.jp/topics/2023/28896.html"},
    {"●BaldwinED,CournandA,RichardsDW.",
     "Pulmonary insufficiency. I. Physiological classification, clinical methods of analysis,standard values "
     "in normal subjects.    Medicine 1948 Sep;27(3):243-78."},
    {"●日本人のスパイログラムと動脈血液ガス分圧基準値 日本呼吸器学会肺生理専門委員会",
     "https://www.jrs.or.jp/modules/guidelines/index.php?content_id=12"},
    {"●ＬＭＳ法による日本人のスパイロメトリー新基準値  日本呼吸器学会肺生理専門委員会",
     "https://jrs.or.jp/activities/guidelines/statement/20160721155500.html"},
}};

}  // namespace tollandra
