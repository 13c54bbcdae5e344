#include "core/info/texts.h"

namespace tollandra {

// The page is drawn line by line at x 40; each y is kept as text, as the
// page has always been laid out.
const std::array<AboutLine, 19> AboutLines = {{
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
    {"●スコアと基準値の論文（出典の一覧は「参照」に）", "220"},
    {" 　リスクスコア：Sato T, et al. Gen Thorac Cardiovasc Surg 2015;63(3):164-72", "240"},
    {" 　JRS2014・LLN：Kubota M, et al. Respir Investig 2014;52(4):242-250", "260"},
    {" 　HAL スコア：Eur Respir J 2023;61(5):2201634", "280"},
    {" 　ppoFEV1・ppoDLco（ACCP 2013）：Brunelli A, et al. Chest 2013;143(5 Suppl):e166S-e190S", "300"},
    {"●注意", "340"},
    {" 　年齢、身長などには本アプリ独自の入力制限があります。", "360"},
    {" 　VC基準値は計算式によらず mL 表記としています。", "380"},
    {" 　本アプリのサポートはありません。", "400"},
    {"   ", "420"},
    {"   －－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－－", "440"},
}};

}  // namespace tollandra
