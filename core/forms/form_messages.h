#pragma once

#include "core/expected.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillmar::forms {

// The language a message is said in: the window's (Japanese unless it runs in
// English), English for quillmar-gen.
enum class Language { Japanese, English };

// Every message the catalogue says, one row each in form_messages.cpp with its English
// and Japanese texts (%1, %2 where the values go). A row whose Japanese is still empty
// is said in English in both languages.
enum class MessageId {
    Verbatim,      // a text said as it is, in either language (a value, a designation)
    ListComma,     // the values joined: "2.5 (coarse), 2, 1.5"
    ListSemicolon, // the values joined: "ISO metric: M20x2.5-6g; ISO trapezoidal: Tr40x7"
    FamilyIsoMetric,
    FamilyTrapezoidal,
    FamilyAcme,
    FamilyStubAcme,
    FamilyRound,
    FamilyButtress,
    FamilyWhitworth,
    FamilyPipeParallel,
    FamilyUnified,
    FamilyNpt,
    FamilyPipeTaper,
    FamilyExample,
    NoDesignation,
    UnknownFamily,
    EndsTooEarly,
    NotUnderstood,
    NotUnderstoodAfter,
    ExpectNominalMillimetres,
    ExpectXAndPitch,
    ExpectPitchAfterX,
    ExpectClassOrNothing,
    ExpectPitchOrLeadAfterX,
    ExpectPitchAfterP,
    ExpectPAndPitch,
    ExpectRoundPitch,
    ExpectRoundClassOrNothing,
    ExpectPipeSize,
    ExpectNothingOrPipeClass,
    ExpectNothing,
    ExpectInchSize,
    ExpectTpiAfterDash,
    ExpectDashAndLead,
    ExpectLeadAndL,
    ExpectSeries,
    ExpectClassStartsOrNothing,
    LeadNotWholePitches,
    CoarsePitch,
    ClassIsForInner,
    ClassIsForOuter,
    DeeperThanRadius,
    BadClass,
    MetricClassShape,
    MetricClassPosition,
    MetricOuterGrades,
    MetricInnerGrades,
    MetricNotSize,
    NoCoarsePitch,
    NoSuchPitch,
    PowerScrewNotSize,
    TrapezoidalClassBad,
    ButtressNoClass,
    RoundNotSize,
    RoundZeroPitch,
    RoundWrongPitch,
    RoundClassBad,
    TaperIsInner,
    TaperIsOuter,
    ParallelPipeNotSize,
    ParallelPipeInnerNoClass,
    TaperPipeNotSize,
    PitchLeadNotPositive,
    TpiNotPositive,
    NotNumberedSize,
    StartsOutOfRange,
    BelowSeries,
    UnNeedsTpi,
    NoSuchTpi,
    NotSeriesSize,
    UnifiedClassBad,
    AcmeClassBad,
    NotNptSize,
    BswNoClass,
    NoseNotNumber,
    NoseTooLarge,
    CornersDoNotFit,
    FloorBelowAxis,
    CuspNotPositive,
    CuspNeedsNose,
    GrooveNotWalkable,
    NoStepFits,
    RemedyLargerCusp,
    RemedyLargerNose,
    TooManyPasses,
    NoStepsFound,
    CuspSpreadOverBand,
    CuspMovesOverHalfBand,
    LargestCuspThatFits,
    NoCuspFits,
    DiameterPitch,
    DiameterMinor,
    DiameterMajor,
    ScallopsWiderThanCrests,
    PassesMissPitchDiameter,
    Count
};

// A message with its values, said in either language when it is shown. A value is a
// message too: a plain text (Verbatim), or a phrase said in the same language.
struct FormMessage {
    MessageId id = MessageId::Verbatim;
    std::string text; // Verbatim only
    std::vector<FormMessage> values;

    FormMessage(std::string verbatim) : text(std::move(verbatim)) {}
    FormMessage(const char* verbatim) : text(verbatim) {}
    FormMessage(MessageId message, std::vector<FormMessage> messageValues = {})
        : id(message), values(std::move(messageValues)) {}
};

// What a form says when it cannot be made. A message still written as an English text
// (Failure{"..."}) converts too, and is said as written until it gets its row.
template <typename T> using FormExpected = Expected<T, FormMessage>;
using FormFailure = Unexpected<FormMessage>;

inline FormFailure refusal(MessageId id, std::vector<FormMessage> values = {}) {
    return FormFailure{FormMessage(id, std::move(values))};
}

std::string messageText(const FormMessage& message, Language language);

// The row's own text in the language, with %1, %2 unreplaced (for tests and lists).
std::string_view messageTemplate(MessageId id, Language language);

} // namespace quillmar::forms
