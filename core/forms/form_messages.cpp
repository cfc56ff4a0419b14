#include "core/forms/form_messages.h"

#include <array>
#include <cstddef>

namespace quillmar::forms {

namespace {

struct MessageRow {
    MessageId id;
    std::string_view english;
    std::string_view japanese; // empty: not yet said in Japanese, English stands in
};

using enum MessageId;

// One row per message, in the order of MessageId. Giving a message its Japanese is
// filling in the last text of its row.
constexpr MessageRow kRows[] = {
    {Verbatim, "", ""},
    {ListComma, ", ", "、"},
    {ListSemicolon, "; ", "; "},
    {FamilyIsoMetric, "ISO metric", "メートルねじ"},
    {FamilyTrapezoidal, "ISO trapezoidal", "メートル台形ねじ"},
    {FamilyAcme, "ACME", "アクメねじ"},
    {FamilyStubAcme, "Stub ACME", "スタブアクメねじ"},
    {FamilyRound, "Round", "丸ねじ"},
    {FamilyButtress, "Buttress", "のこ歯ねじ"},
    {FamilyWhitworth, "Whitworth", "ウイットねじ"},
    {FamilyPipeParallel, "Pipe parallel", "管用平行ねじ"},
    {FamilyUnified, "Unified", "ユニファイねじ"},
    {FamilyNpt, "NPT", "NPT 管用テーパねじ"},
    {FamilyPipeTaper, "Pipe taper", "管用テーパねじ"},
    {FamilyExample, "%1: %2", "%1: %2"},
    {NoDesignation, "No designation given. Known families: %1",
     "呼びが入力されていません。使える規格: %1"},
    {UnknownFamily, "%1 is not a designation of a known family. Known families: %2",
     "%1 はどの規格の呼びでもありません。使える規格: %2"},
    {EndsTooEarly, "In %1, the designation ends too early: expected %2. Example: %3",
     "%1 は途中で終わっています: %2 が必要です。例: %3"},
    {NotUnderstood, "In %1, %2 was not understood: expected %3. Example: %4",
     "%1 の %2 が読めません: %3 が必要です。例: %4"},
    {NotUnderstoodAfter, "In %1, %2 after %3 was not understood: expected %4. Example: %5",
     "%1 の %3 の後の %2 が読めません: %4 が必要です。例: %5"},
    {ExpectNominalMillimetres, "the nominal diameter in millimetres", "呼び径 (mm)"},
    {ExpectXAndPitch, "'x' and the pitch in millimetres", "'x' とピッチ (mm)"},
    {ExpectPitchAfterX, "the pitch in millimetres after 'x'", "'x' の後にピッチ (mm)"},
    {ExpectClassOrNothing, "'-' and a tolerance class, or nothing",
     "'-' と公差域クラス、または何もなし"},
    {ExpectPitchOrLeadAfterX, "the pitch (or the lead) in millimetres after 'x'",
     "'x' の後にピッチ (またはリード) (mm)"},
    {ExpectPitchAfterP, "the pitch after 'P', as in (P7)", "(P7) のように 'P' の後にピッチ"},
    {ExpectPAndPitch, "'P' and the pitch, as in (P7)", "(P7) のように 'P' とピッチ"},
    {ExpectRoundPitch, "the pitch in inches as 1/threads per inch, as in x1/6",
     "x1/6 のように 1/山数 (インチ) のピッチ"},
    {ExpectRoundClassOrNothing, "'-' and the class 7h or 7H, or nothing",
     "'-' と等級 7h か 7H、または何もなし"},
    {ExpectPipeSize, "the pipe size in inches (1/2, 1 1/2)", "管の呼び (インチ: 1/2、1 1/2)"},
    {ExpectNothingOrPipeClass, "nothing, or the class A or B", "何もなし、または等級 A か B"},
    {ExpectNothing, "nothing", "何もなし"},
    {ExpectInchSize, "the size in inches (1/2, 1 1/4, 1.25 or #10)",
     "呼び (インチ: 1/2、1 1/4、1.25 または #10)"},
    {ExpectTpiAfterDash, "threads per inch after '-'", "'-' の後に 1 インチあたりの山数"},
    {ExpectDashAndLead, "'-' and the lead, as in 0.2P-0.4L", "0.2P-0.4L のように '-' とリード"},
    {ExpectLeadAndL, "the lead in inches followed by L, as in 0.4L",
     "0.4L のようにリード (インチ) と L"},
    {ExpectSeries, "the series: UNC, UNF, UNEF, UN, ACME, STUB ACME, NPT or BSW",
     "シリーズ: UNC、UNF、UNEF、UN、ACME、STUB ACME、NPT または BSW"},
    {ExpectClassStartsOrNothing, "'-' and a class, 'N START', or nothing",
     "'-' と等級、'N START'、または何もなし"},
    {LeadNotWholePitches,
     "The lead %1 is not a whole number (1 to 99) of pitches %2: a multi-start thread has "
     "lead = starts x pitch. Example: %3",
     "リード %1 がピッチ %2 の整数倍 (1〜99) ではありません: 多条ねじはリード = 条数 × "
     "ピッチです。例: %3"},
    {CoarsePitch, "%1 (coarse)", "%1 (並目)"},
    {ClassIsForInner, "The class %1 is for inner threads; an outer thread takes a class such as %2",
     "等級 %1 は内径 (めねじ) 用です。外径 (おねじ) の等級は %2 などです"},
    {ClassIsForOuter, "The class %1 is for outer threads; an inner thread takes a class such as %2",
     "等級 %1 は外径 (おねじ) 用です。内径 (めねじ) の等級は %2 などです"},
    {DeeperThanRadius,
     "%1 is deeper than its radius: its minor diameter would not be above 0 mm. Give a finer "
     "pitch (more threads per inch) or a larger size. Example: %2",
     "%1 はねじ山が半径より深くなります: 谷径が 0 mm を超えません。細かいピッチ (1 "
     "インチあたりの山数を多く) か大きい呼びにしてください。例: %2"},
    {BadClass, "The tolerance class %1 was not understood: %2. Example: %3",
     "公差域クラス %1 が読めません: %2。例: %3"},
    {MetricClassShape,
     "a grade and a position, for the pitch and the crest diameter (6g, 5g6g, 6H)",
     "有効径と山頂の径の公差等級と位置が必要です (6g、5g6g、6H)"},
    {MetricClassPosition, "the position is e, f, g or h for outer threads, G or H for inner ones",
     "位置はおねじが e、f、g、h、めねじが G、H です"},
    {MetricOuterGrades,
     "outer grades are 3 to 9 for the pitch and 4, 6 or 8 for the major diameter",
     "おねじの等級は有効径が 3〜9、外径が 4、6、8 です"},
    {MetricInnerGrades, "inner grades are 4 to 8", "めねじの等級は 4〜8 です"},
    {MetricNotSize, "%1 is not a size of the ISO metric general plan (M1 to M150). Example: %2",
     "%1 はメートルねじの一般用の呼び (M1〜M150) にありません。例: %2"},
    {NoCoarsePitch, "%1 has no coarse pitch: give one of its pitches %2, e.g. %3",
     "%1 に並目ねじはありません: ピッチ %2 のどれかを指定してください。例: %3"},
    {NoSuchPitch, "%1 has no pitch %2: its pitches are %3",
     "%1 にピッチ %2 はありません: ピッチは %3 です"},
    {PowerScrewNotSize, "%1 is not a size of the general plan (8 to 200 mm). Example: %2",
     "%1 は一般用の呼び (8〜200 mm) にありません。例: %2"},
    {TrapezoidalClassBad,
     "The tolerance class %1 was not understood: trapezoidal classes here are 7e, 8e, 9e for "
     "outer threads and 7H, 8H, 9H for inner ones. Example: %2",
     "公差域クラス %1 が読めません: 台形ねじの等級はおねじが 7e、8e、9e、めねじが 7H、8H、9H "
     "です。例: %2"},
    {ButtressNoClass,
     "Buttress threads take no tolerance class here (the basic profile with its clearance is "
     "used). Example: %1",
     "のこ歯ねじには等級を付けません (すきまを含む基準山形で作ります)。例: %1"},
    {RoundNotSize, "%1 is not a size of the round thread plan (8 to 200 mm). Example: %2",
     "%1 は丸ねじの呼び (8〜200 mm) にありません。例: %2"},
    {RoundZeroPitch, "%1 has no pitch 0\": its pitch is 1/%2\" (%1x1/%2)",
     "%1 にピッチ 0\" はありません: ピッチは 1/%2\" です (%1x1/%2)"},
    {RoundWrongPitch, "%1 has no pitch 1/%2\": its pitch is 1/%3\" (%1x1/%3)",
     "%1 にピッチ 1/%2\" はありません: ピッチは 1/%3\" です (%1x1/%3)"},
    {RoundClassBad,
     "The tolerance class %1 was not understood: round threads have the class 7h for outer "
     "threads and 7H for inner ones. Example: Rd40x1/6-7h",
     "公差域クラス %1 が読めません: 丸ねじの等級はおねじが 7h、めねじが 7H です。例: Rd40x1/6-7h"},
    {TaperIsInner, "%1 is an inner taper thread: choose inner, or use R for the other side",
     "%1 は内径のテーパねじです: 内径を選ぶか、外径には R を使ってください"},
    {TaperIsOuter, "%1 is an outer taper thread: choose outer, or use Rc for the other side",
     "%1 は外径のテーパねじです: 外径を選ぶか、内径には Rc を使ってください"},
    {ParallelPipeNotSize, "%1 is not a size of the parallel pipe threads. Example: %2",
     "%1 は管用平行ねじの呼びにありません。例: %2"},
    {ParallelPipeInnerNoClass,
     "An inner parallel pipe thread has one class and takes none: %1 is a class of outer "
     "threads. Example: %2",
     "管用平行めねじの等級は一つで、付けません: %1 はおねじの等級です。例: %2"},
    {TaperPipeNotSize, "%1 is not a size of the taper pipe threads. Example: %2",
     "%1 は管用テーパねじの呼びにありません。例: %2"},
    {PitchLeadNotPositive, "In %1, the pitch and the lead must be above 0 inches. Example: %2",
     "%1: ピッチとリードは 0 インチより大きくしてください。例: %2"},
    {TpiNotPositive, "In %1, the threads per inch must be above 0. Example: %2",
     "%1: 1 インチあたりの山数は 0 より大きくしてください。例: %2"},
    {NotNumberedSize, "%1 is not a numbered size (#0 to #12). Example: %2",
     "%1 は番号の呼び (#0〜#12) にありません。例: %2"},
    {StartsOutOfRange, "The number of starts must be 1 to 99. Example: %1",
     "条数は 1〜99 にしてください。例: %1"},
    {BelowSeries, "%1 is below the sizes of the %2 series (%3 and larger). Example: %4",
     "%1 は %2 シリーズの呼び (%3 以上) より小さい値です。例: %4"},
    {UnNeedsTpi, "A UN thread needs its threads per inch, e.g. 1-12 UN",
     "UN ねじには 1 インチあたりの山数が必要です。例: 1-12 UN"},
    {NoSuchTpi, "%1 has no %2 threads per inch: its thread is %3",
     "%1 に 1 インチあたり %2 山はありません: この呼びのねじは %3 です"},
    {NotSeriesSize, "%1 is not a size of the %2 series. Example: %3",
     "%1 は %2 シリーズの呼びにありません。例: %3"},
    {UnifiedClassBad,
     "The class %1 was not understood: unified classes are 1A, 2A, 3A (outer) and 1B, 2B, 3B "
     "(inner). Example: %2",
     "等級 %1 が読めません: ユニファイねじの等級は 1A、2A、3A (おねじ) と 1B、2B、3B (めねじ) "
     "です。例: %2"},
    {AcmeClassBad,
     "The class %1 was not understood: general purpose %2 classes are 2G, 3G and 4G (the "
     "centralizing classes 2C to 6C are not built). Example: %3",
     "等級 %1 が読めません: 一般用%2の等級は 2G、3G、4G です (センタリング用の 2C〜6C は"
     "作りません)。例: %3"},
    {NotNptSize, "%1 is not an NPT size (1/16 to 24). Example: %2",
     "%1 は NPT の呼び (1/16〜24) にありません。例: %2"},
    {BswNoClass, "BSW takes no class here. Example: %1", "BSW には等級を付けません。例: %1"},
    {NoseNotNumber, "The nose radius must be a number of 0 mm or more",
     "ノーズR は 0 mm 以上の数にしてください"},
    {NoseTooLarge,
     "A nose radius of %1 mm is too large for %2: its floor corners may be rounded with R %3 "
     "mm at most, and this nose would leave them rounder. The largest nose radius that fits is "
     "%4 mm.",
     "ノーズR %1 mm は %2 には大きすぎます: 谷の隅の丸みは R %3 mm までで、このノーズでは"
     "それより丸くなります。使える最大のノーズR は %4 mm です。"},
    {CornersDoNotFit, "The corner radii of %1 do not fit its groove",
     "%1 の隅の丸みが溝に収まりません"},
    {FloorBelowAxis,
     "%1 is deeper than its radius: its floor would not be above 0 mm. Give a finer pitch or a "
     "larger size.",
     "%1 はねじ山が半径より深くなります: 谷が 0 mm を超えません。細かいピッチか大きい呼びに"
     "してください。"},
    {CuspNotPositive, "The cusp height must be a number above 0 mm",
     "カスプ高さは 0 mm より大きい数にしてください"},
    {CuspNeedsNose, "Steps for a cusp height need a round nose: give a nose radius above 0",
     "カスプ高さから送りを決めるには丸いノーズが必要です: ノーズR を 0 より大きくしてください"},
    {GrooveNotWalkable, "The groove cannot be walked: its fields do not make an outline",
     "溝をたどれません: 入力値から溝の輪郭ができません"},
    {NoStepFits,
     "No Z step of 0.0001 mm or more keeps the scallop within %1 mm with a nose radius of %2 "
     "mm: %3",
     "ノーズR %2 mm では、0.0001 mm 以上のどの Z 送りでも削り残しが %1 mm を超えます: %3"},
    {RemedyLargerCusp, "allow a larger cusp height", "カスプ高さを大きくしてください"},
    {RemedyLargerNose, "use a larger nose radius (no cusp height can help this nose)",
     "ノーズR を大きくしてください (このノーズではカスプ高さを変えても収まりません)"},
    {TooManyPasses,
     "This cusp height needs more than 2001 passes: allow a larger cusp height or use a larger "
     "nose radius",
     "このカスプ高さでは 2001 パスを超えます: カスプ高さかノーズR を大きくしてください"},
    {NoStepsFound,
     "No Z steps were found that keep every scallop within the cusp height: allow a larger cusp "
     "height",
     "削り残しをすべてカスプ高さ以内に収める Z 送りが見つかりません: カスプ高さを大きくして"
     "ください"},
    {CuspSpreadOverBand,
     "A cusp height of %1 mm does not fit inside the class of %2: its scallops spread the %3 "
     "diameter over up to %4 mm, more than the class's band of %5 mm. %6",
     "削り残し %1 mm は %2 の等級に収まりません: 削り残しで%3が最大 %4 mm ばらつき、"
     "等級の公差幅 %5 mm を超えます。%6"},
    {CuspMovesOverHalfBand,
     "A cusp height of %1 mm does not fit inside the class of %2: its scallops move the %3 "
     "diameter up to %4 mm from the band's middle, where the floor is cut, more than half the "
     "class's band of %5 mm. %6",
     "削り残し %1 mm は %2 の等級に収まりません: 谷を削る所で%3が公差幅の中央から最大 %4 mm "
     "ずれ、等級の公差幅 %5 mm の半分を超えます。%6"},
    {LargestCuspThatFits, "The largest cusp height that fits is %1 mm.",
     "収まる最大の削り残しは %1 mm です。"},
    {NoCuspFits, "No cusp height of 0.0001 mm or more fits.",
     "0.0001 mm 以上の削り残しは収まりません。"},
    {DiameterPitch, "pitch", "有効径"},
    {DiameterMinor, "minor", "谷の径"},
    {DiameterMajor, "major", "外径"},
    {ScallopsWiderThanCrests,
     "The scallops of a cusp height of %1 mm thicken %2 at its pitch diameter by %3 mm along "
     "the axis, more than its crests leave room to widen the groove: allow a smaller cusp "
     "height",
     "削り残し %1 mm は %2 の有効径の位置でねじ山を軸方向に %3 mm 厚くし、山頂に溝を広げる"
     "余地がありません: 削り残しを小さくしてください"},
    {PassesMissPitchDiameter,
     "The passes of %1 do not reach its pitch diameter: the groove cannot be measured",
     "%1 のパスが有効径に届きません: 溝を測れません"},
};

constexpr bool rowsInOrder() {
    constexpr auto kCount = static_cast<std::size_t>(MessageId::Count);
    if (std::size(kRows) != kCount) {
        return false;
    }
    for (std::size_t i = 0; i < kCount; ++i) {
        if (static_cast<std::size_t>(kRows[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(rowsInOrder(), "every MessageId has its row, in the enumeration's order");

std::string joined(const FormMessage& list, Language language) {
    std::string out;
    for (std::size_t i = 0; i < list.values.size(); ++i) {
        if (i > 0) {
            out += messageTemplate(list.id, language);
        }
        out += messageText(list.values[i], language);
    }
    return out;
}

} // namespace

std::string_view messageTemplate(MessageId id, Language language) {
    const MessageRow& row = kRows[static_cast<std::size_t>(id)];
    return language == Language::Japanese && !row.japanese.empty() ? row.japanese : row.english;
}

std::string messageText(const FormMessage& message, Language language) {
    if (message.id == MessageId::Verbatim) {
        return message.text;
    }
    if (message.id == MessageId::ListComma || message.id == MessageId::ListSemicolon) {
        return joined(message, language);
    }
    const std::string_view pattern = messageTemplate(message.id, language);
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto value = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && value < message.values.size()) {
            out += messageText(message.values[value], language);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace quillmar::forms
