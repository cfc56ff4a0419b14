#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::forms {

// What a form says about the choices it made, one entry of the table below each. The
// texts are Japanese, the program's own language, with %1, %2 where the values go; the
// window puts them into the language it speaks (context "FormNotes").
enum class FormNoteId {
    DefaultClass,
    MetricBoltRoot,
    NutRoot,
    MetricClassMiddle,
    UnifiedBoltRoot,
    UnifiedClassMiddle,
    AcmeClassMiddle,
    StubAcmeClassMiddle,
    NptSmallEnd,
    NptFittingFace,
    TaperSmallEnd,
    TaperGaugePlane,
    WhitworthBasic,
    RoundBasic,
    TrapezoidalNutFloor,
    TrapezoidalClearance,
    TrapezoidalClassMiddle,
    ButtressBasic,
    ButtressLoadFlank,
    TaperGaugePosition,
    ClassLimitsUnknown,
    PipeParallelClassMiddle,
    PipeParallelInnerMiddle,
    Count
};

inline constexpr std::array<std::string_view, static_cast<std::size_t>(FormNoteId::Count)>
    kFormNoteTexts{
        "等級の指定なし: %1 を採用",
        "谷は R = H/6 の丸み (ボルトの設計山形)",
        "谷は R = H/12 の丸み (基準外径に触れない)",
        "等級 %1: 公式による公差の中央 (R40 数列)",
        "谷は R = H/6 の丸み (UNR)",
        "等級 %1: 公式による許容限界の中央 (表の丸めのとおり)",
        "等級 %1: ASME B1.5 の許容限界の中央。谷の逃げは直径で %2 in.、谷の隅 R 0.06 P",
        "等級 %1: ASME B1.5 の許容限界の中央 (山の高さ 0.3 P、ASME B1.8)。谷の逃げは直径で %2 "
        "in.、谷の隅 R 0.06 P",
        "直径は管の小端 (E0)、テーパ 1:16",
        "直径は継手の端面 (E1)、テーパ 1:16",
        "直径は小端 (基準径の位置から基準長さ手前)、テーパ 1:16",
        "直径は基準径の位置 (継手の端面)、テーパ 1:16",
        "基準の丸み山形 (山頂と谷 r = 0.137329 P)。等級は入れない",
        "基準山形、すきま ac = 0.05 P。等級は入れない",
        "谷は D4 = d + 2ac、その下限 (上限は定めなし)",
        "山頂のすきま ac = %1、谷の隅 R2 = ac",
        "等級 %1: d、d2、d3 または D1、D2 の公差の中央",
        "基準山形、山頂のすきま ac = 0.117767 P。等級は入れない",
        "3° の荷重側フランクが A1。逆向きの荷重には A1 と A2 を入れ替える",
        "基準径の位置: 小端から L1 = %1 mm、有効径 E0 = %2 mm、E1 = %3 mm、"
        "軸方向の許容差 ±%4 mm (±%5 山)",
        "等級 %1: 許容限界は組み込まれていない (ゲージの判定なし)",
        "等級 %1: ISO 228-1 の許容限界の中央 (山頂は公差の中央で切り取り、隅は r = 0.137329 P)",
        "めねじの等級は一つ: ISO 228-1 の許容限界の中央 (山頂は公差の中央で切り取り、隅は r = "
        "0.137329 P)",
    };

struct FormNote {
    FormNoteId id;
    std::vector<std::string> values; // for %1, %2, ...
};

std::string_view formNoteText(FormNoteId id);

} // namespace quillmar::forms
