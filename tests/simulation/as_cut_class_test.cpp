#include "core/forms/groove_fields.h"
#include "core/program_output.h"
#include "core/text_panes.h"
#include "simulation/cut_simulation.h"
#include "simulation/thread_gauge.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace quillmar {
namespace {

std::u16string programUtf16(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

// A thread made from a designation, cut as its program says and read by the gauge.
struct ClassRow {
    const char* designation;
    Side side;
    double noseRadius;
    double cusp;
    double pitchBand = 0; // a band of this width about the form's pitch diameter, where the
                          // class's own is not built here
};

class AsCutThread : public ::testing::TestWithParam<ClassRow> {};

// Every diameter the class bands lands within a tenth of its band around the middle. The
// scallops leave each flank standing anywhere between their crests and hollows, the
// groove is made with the middle of that on the form, and the gauge reads the pitch
// diameter wherever the thread's thickness meets half the pitch: within half their spread
// of the middle. Each row's cusp is a fifth of the largest its class takes (the spread
// then fills a fifth of the band), so half of it is a tenth; the program's X and Z to
// 0.001 mm move the reading by a few micrometres, inside that on these bands. The crests
// are the stock and the floor is reached: those read the middle to the 0.001 mm.
TEST_P(AsCutThread, LandsInTheMiddleOfItsClass) {
    const ClassRow& row = GetParam();
    SCOPED_TRACE(row.designation);
    auto form = forms::threadForm(row.designation, row.side);
    ASSERT_TRUE(form.ok()) << forms::messageText(form.error(), forms::Language::English);
    if (row.pitchBand > 0) {
        form->limits.pitch = {form->pitchDiameter - row.pitchBand / 2,
                              form->pitchDiameter + row.pitchBand / 2};
    }
    const auto fields = forms::grooveFields(*form, {row.side, row.noseRadius, row.cusp});
    ASSERT_TRUE(fields.ok()) << forms::messageText(fields.error(), forms::Language::English);
    DialogSnapshot dialog;
    dialog.choices.side = row.side;
    dialog.choices.control = "fanuc";
    for (const JobFieldInfo& info : kJobFields) {
        dialog.text(info.field) = fields->texts[info.field].value_or("0");
    }
    const double crest = fields->figures.crestDiameter;
    dialog.text(JobField::ZStart) = "5";
    dialog.text(JobField::ZEnd) = "-20";
    dialog.text(JobField::XRetract) = std::to_string(crest + (row.side == Side::Outer ? 4 : -4));
    ThreadJob job;
    TextPanes panes;
    ASSERT_TRUE(runProgramOutput(job, dialog, panes).ok());
    const auto gauge =
        gaugeThread(simulateProgram(programUtf16(panes.paneText(Pane::Standard)), &job));
    ASSERT_TRUE(gauge);
    const forms::GaugeLimits& limits = fields->form.limits;
    ASSERT_TRUE(limits.pitch.known());
    const auto expectMiddle = [](std::optional<double> value, const forms::DiameterBand& band,
                                 const char* name) {
        if (!band.known()) {
            return;
        }
        ASSERT_TRUE(value) << name;
        EXPECT_LE(std::fabs(*value - band.middle()), 0.1 * (band.max - band.min))
            << name << " " << *value << " in " << band.min << " to " << band.max;
    };
    EXPECT_NEAR(row.side == Side::Outer ? gauge->majorDiameter : gauge->minorDiameter, crest,
                0.001);
    expectMiddle(gauge->pitchDiameter, limits.pitch, "pitch");
    expectMiddle(gauge->majorDiameter, limits.major, "major");
    expectMiddle(gauge->minorDiameter, limits.minor, "minor");
}

// The largest cusps that fit (spread = band): M20x2.5-6g 0.0425, -6H 0.056, Tr40x7-7e
// 0.0459, -7H 0.0615, 1/2-13 UNC-2A 0.0318, -2B 0.0413, 1-5 ACME-2G outer and inner
// 0.0617, G1/2A and inner (27.5 degree flanks: 4.3314 h over a 0.142 band) 0.0327, G1/2B
// 0.0655. A Whitworth crest is rounded tangent to both flanks: its corners give up radius
// for the wider groove and its crest stays the stock's (0.2 mm band: 0.0462).
INSTANTIATE_TEST_SUITE_P(Rows, AsCutThread,
                         ::testing::Values(ClassRow{"M20x2.5-6g", Side::Outer, 0.2, 0.0085},
                                           ClassRow{"M20x2.5-6H", Side::Inner, 0.1, 0.0112},
                                           ClassRow{"Tr40x7-7e", Side::Outer, 0.3, 0.0092},
                                           ClassRow{"Tr40x7-7H", Side::Inner, 0.3, 0.0123},
                                           ClassRow{"1/2-13 UNC-2A", Side::Outer, 0.2, 0.0063},
                                           ClassRow{"1/2-13 UNC-2B", Side::Inner, 0.1, 0.0083},
                                           ClassRow{"1-5 ACME-2G", Side::Outer, 0.2, 0.0123},
                                           ClassRow{"1-5 ACME-2G", Side::Inner, 0.2, 0.0123},
                                           ClassRow{"G1/2", Side::Outer, 0.2, 0.0065},
                                           ClassRow{"G1/2B", Side::Outer, 0.2, 0.013},
                                           ClassRow{"G1/2", Side::Inner, 0.2, 0.0065},
                                           ClassRow{"1/2 BSW", Side::Outer, 0.2, 0.009, 0.2}));

} // namespace
} // namespace quillmar
