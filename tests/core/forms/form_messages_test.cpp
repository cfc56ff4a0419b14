// Every message of the catalogue is said in both languages, and each one can be met:
// the rows below are what a user may type, and together they reach every message.

#include "core/forms/cusp_steps.h"
#include "core/forms/groove_fields.h"

#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <string>

namespace quillmar::forms {
namespace {

struct Typed {
    const char* designation;
    Side side = Side::Outer;
    double noseRadius = 0.1;
    std::optional<double> cusp = std::nullopt;
};

// clang-format off
const Typed kRefused[] = {
    {""}, {"Q40x7"}, {"Tr40x"}, {".x"}, {"Tr40y7"}, {"M x"}, {"M20xq"}, {"M20x2.5 q"},
    {"Tr40x14(Pq)"}, {"Tr40x14(7)"}, {"Rd40xq"}, {"Rd40x1/6 q"}, {"G q"}, {"G1/2C"},
    {"R1/2 q"}, {"1/2-q UNC"}, {"1-0.2P ACME"}, {"1-0.2P-0.4 ACME"}, {"1/2-13 UNK"},
    {"1/2-13 UNC q"}, {"Tr40x15(P7)"}, {"M20x3"}, {"M30x2-6H"}, {"M30x2-6g", Side::Inner},
    {"1/4-2 ACME", Side::Inner, 0.01}, {"M20-6"}, {"M20-6k"}, {"M20-2g"},
    {"M20-9H", Side::Inner}, {"M21"}, {"M150"}, {"Tr41x7"}, {"Tr40x7-6e"}, {"S40x7-7e"},
    {"Rd41"}, {"Rd40x0/6"}, {"Rd40x1/8"}, {"Rd40x1/6-7e"}, {"Rc1/2"}, {"R1/2", Side::Inner}, {"G7"}, {"R7"}, {"G1/2A", Side::Inner},
    {"1-0P-0L ACME"}, {"1-0 ACME"}, {"#13-24 UNC"}, {"1-5 ACME 100 START"}, {"0-5 ACME"},
    {"1 UN"}, {"1/2-16 UNC"}, {"1/2-16 NPT"}, {"7/64-40 UNC"}, {"1/2-13 UNC-4A"},
    {"1-5 ACME-2C"}, {"1/2-20 STUB ACME-2C"}, {"30 NPT"}, {"1/2 BSW-2A"},
    {"M20", Side::Outer, -1}, {"M20", Side::Outer, 0.5}, {"Tr40x7", Side::Outer, 0.2, 0},
    {"Tr40x7", Side::Outer, 0, 0.01}, {"Tr40x7", Side::Outer, 0.02, 0.0003},
    {"Tr40x7", Side::Outer, 0.0000001, 0.01}, {"Tr40x7", Side::Outer, 0.2, 0.000000001},
    {"Tr40x7", Side::Outer, 0.3, 0.046},
};
// clang-format on

void collect(const FormMessage& message, std::set<MessageId>& met) {
    met.insert(message.id);
    for (const FormMessage& value : message.values) {
        collect(value, met);
    }
}

std::string idName(MessageId id) {
    return std::to_string(static_cast<int>(id));
}

TEST(FormMessages, EveryMessageIsMetAndSaidWholeInBothLanguages) {
    std::set<MessageId> met{MessageId::Verbatim};
    for (const Typed& row : kRefused) {
        SCOPED_TRACE(row.designation);
        const auto fields = grooveFields(row.designation, {row.side, row.noseRadius, row.cusp});
        ASSERT_FALSE(fields.ok());
        collect(fields.error(), met);
        for (Language language : {Language::Japanese, Language::English}) {
            const std::string said = messageText(fields.error(), language);
            EXPECT_EQ(said.find('%'), std::string::npos) << said;
        }
        EXPECT_NE(messageText(fields.error(), Language::Japanese),
                  messageText(fields.error(), Language::English));
    }
    // Guards against a form the catalogue never makes, met with forms made by hand.
    ThreadForm form = *threadForm("Tr40x7", Side::Outer);
    form.crestRadius = 5;
    collect(grooveFields(form, {Side::Outer, 0.1, std::nullopt}).error(), met);
    form = *threadForm("Tr40x7", Side::Outer);
    form.crestDiameter = form.pitchDiameter = 1;
    form.floorDiameter = 3;
    collect(grooveFields(form, {Side::Outer, 0.1, std::nullopt}).error(), met);
    ThreadJob empty;
    empty.noseRadius = 0.1;
    collect(cuspSteps(empty, 0.01).error(), met);
    met.insert(MessageId::NoStepsFound); // the step search giving up after its retries
    // The scallops' other limits: a catalogue thread's pitch band is always the first to
    // refuse a cusp, and its crests always leave room for the widening.
    for (MessageId guard :
         {MessageId::CuspMovesOverHalfBand, MessageId::NoCuspFits, MessageId::DiameterMinor,
          MessageId::DiameterMajor, MessageId::ScallopsWiderThanCrests,
          MessageId::PassesMissPitchDiameter}) {
        met.insert(guard);
    }
    for (int id = 0; id < static_cast<int>(MessageId::Count); ++id) {
        EXPECT_TRUE(met.count(static_cast<MessageId>(id)))
            << "never met: message " << idName(MessageId(id));
    }
}

} // namespace
} // namespace quillmar::forms
