#include "core/forms/groove_fields.h"
#include "tests/core/forms/english_message.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace quillmar::forms {
namespace {

struct Accepted {
    const char* typed;
    Side side;
    const char* understood;
    int starts;
};

class DesignationAccepted : public testing::TestWithParam<Accepted> {};

TEST_P(DesignationAccepted, ReadsAsTheStandardWritesIt) {
    const Accepted& row = GetParam();
    const auto form = threadForm(row.typed, row.side);
    ASSERT_TRUE(form.ok()) << english(form.error());
    EXPECT_EQ(form->designation, row.understood);
    EXPECT_EQ(form->starts, row.starts);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DesignationAccepted,
    testing::Values(
        Accepted{"M20", Side::Outer, "M20-6g", 1}, Accepted{"m20 x 2.5", Side::Outer, "M20-6g", 1},
        Accepted{"M24x1.5", Side::Inner, "M24x1.5-6H", 1},
        Accepted{"M8x1.25-6g", Side::Outer, "M8-6g", 1},
        Accepted{"M30x2-6H", Side::Inner, "M30x2-6H", 1},
        Accepted{"M10x1-5g6g", Side::Outer, "M10x1-5g6g", 1},
        Accepted{"\xEF\xBC\xAD\xEF\xBC\x92\xEF\xBC\x90\xC3\x97\xEF\xBC\x92", Side::Outer,
                 "M20x2-6g", 1}, // full-width "Ｍ２０×２"
        Accepted{"Tr40x7", Side::Outer, "Tr40x7-7e", 1},
        Accepted{"Tr 40 x 7", Side::Inner, "Tr40x7-7H", 1},
        Accepted{"TR60X9-7e", Side::Outer, "Tr60x9-7e", 1},
        Accepted{"Tr40x14(P7)", Side::Outer, "Tr40x14(P7)-7e", 2},
        Accepted{"Tr 40 x 14 P 7", Side::Inner, "Tr40x14(P7)-7H", 2},
        Accepted{"1-5 ACME", Side::Outer, "1-5 ACME-2G", 1},
        Accepted{"1 1/4-5 ACME-2G", Side::Outer, "1 1/4-5 ACME-2G", 1},
        Accepted{"1-5 ACME 2 START", Side::Outer, "1-5 ACME-2G 2 START", 2},
        Accepted{"1-5 ACME-2G-2 START", Side::Inner, "1-5 ACME-2G 2 START", 2},
        Accepted{"1-0.2P-0.6L ACME", Side::Outer, "1-5 ACME-2G 3 START", 3},
        Accepted{"1/2-20 STUB ACME", Side::Outer, "1/2-20 STUB ACME-2G", 1},
        Accepted{"Rd40x1/6", Side::Outer, "Rd40x1/6-7h", 1},
        Accepted{"Rd 40 x 1/6-7H", Side::Inner, "Rd40x1/6-7H", 1},
        Accepted{"S40x7", Side::Outer, "S40x7", 1},
        Accepted{"1/2 BSW", Side::Outer, "1/2-12 BSW", 1},
        Accepted{"G1/2", Side::Outer, "G1/2A", 1}, Accepted{"G 1 1/2", Side::Inner, "G1 1/2", 1},
        Accepted{"1/2-13 UNC", Side::Outer, "1/2-13 UNC-2A", 1},
        Accepted{"1/2-20 UNF-2A", Side::Outer, "1/2-20 UNF-2A", 1},
        Accepted{"3/8-24 UNF-2B", Side::Inner, "3/8-24 UNF-2B", 1},
        Accepted{"#10-24 UNC", Side::Outer, "#10-24 UNC-2A", 1},
        Accepted{"1/2-14 NPT", Side::Outer, "1/2-14 NPT", 1},
        Accepted{"R1/2", Side::Outer, "R1/2", 1}, Accepted{"Rc1/2", Side::Inner, "Rc1/2", 1}));

struct Refused {
    const char* typed;
    Side side;
    double noseRadius;
    const char* says;
    std::optional<double> cusp = std::nullopt;
};

class DesignationRefused : public testing::TestWithParam<Refused> {};

TEST_P(DesignationRefused, SaysWhatIsWrongAndWritesNothing) {
    const Refused& row = GetParam();
    SCOPED_TRACE(row.typed);
    const auto fields = grooveFields(row.typed, {row.side, row.noseRadius, row.cusp});
    ASSERT_FALSE(fields.ok());
    SCOPED_TRACE(english(fields.error()));
    EXPECT_NE(english(fields.error()).find(row.says), std::string::npos) << english(fields.error());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DesignationRefused,
    testing::Values(
        // A nose larger than the floor corners the standard permits.
        Refused{"M20", Side::Outer, 0.5, "The largest nose radius that fits is 0.36 mm"},
        Refused{"Tr40x7", Side::Inner, 0.5, "The largest nose radius that fits is 0.499 mm"},
        // An unknown size or family.
        Refused{"M21", Side::Outer, 0.1, "M21 is not a size"},
        Refused{"Tr41x7", Side::Outer, 0.1, "Tr41 is not a size"},
        Refused{"Q40x7", Side::Outer, 0.1, "not a designation of a known family"},
        Refused{"Tr40y7", Side::Outer, 0.1,
                "\"y7\" after \"Tr40\" was not understood: expected 'x' and the pitch"},
        Refused{"1/2-13 UNK", Side::Outer, 0.1, "expected the series"},
        // A pitch the size does not have: the size's pitches are offered.
        Refused{"M20x3", Side::Outer, 0.1, "its pitches are 2.5 (coarse), 2, 1.5, 1"},
        Refused{"Tr40x8", Side::Outer, 0.1, "its pitches are 7, 3, 10"},
        Refused{"1/2-16 UNC", Side::Outer, 0.1, "its thread is 1/2-13 UNC"},
        Refused{"Rd40x1/8", Side::Outer, 0.1, "its pitch is 1/6\""},
        // A lead that is not a whole number of pitches.
        Refused{"Tr40x15(P7)", Side::Outer, 0.1, "is not a whole number (1 to 99) of pitches"},
        // A class of the other side.
        Refused{"M30x2-6H", Side::Outer, 0.1, "6H is for inner threads"},
        Refused{"Rc1/2", Side::Outer, 0.1, "Rc is an inner taper thread"},
        Refused{"1-5 ACME-2C", Side::Outer, 0.1, "the centralizing classes 2C to 6C are not built"},
        Refused{"1-5 STUB ACME-5G", Side::Inner, 0.1,
                "general purpose Stub ACME classes are 2G, 3G and 4G"},
        // A size below its series' table, or a thread whose root reaches the axis.
        Refused{"0-5 ACME", Side::Outer, 0.1, "0 is below the sizes of the ACME series"},
        Refused{"0/1-5 ACME", Side::Inner, 0.1, "0/1 is below the sizes of the ACME series"},
        Refused{"0.0000001-5 ACME", Side::Outer, 0.1, "is below the sizes of the ACME series"},
        Refused{"0-12 UN", Side::Inner, 0.1, "0 is below the sizes of the UN series"},
        Refused{"1/64-12 UN", Side::Outer, 0.1, "1/64 is below the sizes of the UN series"},
        Refused{"#0-12 UN", Side::Outer, 0.01, "#0-12 UN-2A is deeper than its radius"},
        Refused{"1/4-2 ACME", Side::Inner, 0.01, "1/4-2 ACME-2G is deeper than its radius"},
        // A pitch of 0 is refused as such, never taken for a pitch left out.
        Refused{"1-0 ACME", Side::Outer, 0.1, "the threads per inch must be above 0"},
        Refused{"1/2-0 BSW", Side::Outer, 0.1, "the threads per inch must be above 0"},
        Refused{"1-0P-0L ACME", Side::Outer, 0.1, "the pitch and the lead must be above 0"},
        Refused{"M20x0", Side::Outer, 0.1, "M20 has no pitch 0: its pitches are 2.5 (coarse)"},
        Refused{"Rd40x0/6", Side::Outer, 0.1, "Rd40 has no pitch 0\": its pitch is 1/6\""},
        Refused{"G1/2C", Side::Outer, 0.1, "\"C\" after \"G1/2\" was not understood"},
        // The remedy a message gives is one that works.
        Refused{"Tr40x7", Side::Outer, 0.02, "or use a larger nose radius", 0.0003},
        Refused{"Tr40x7", Side::Outer, 0.0000001, "use a larger nose radius (no cusp", 0.01},
        Refused{"Tr40x7", Side::Outer, 0.2, "within 0.000000001 mm", 0.000000001},
        Refused{"Tr40x7", Side::Outer, 1e300, "A nose radius of 1" /* never "of 0 mm" */},
        // A huge or unprintable designation is quoted short and escaped.
        Refused{"M20x\x1b[2J", Side::Outer, 0.1, "\"\\x1b[2J\" after \"M20x\""}));

TEST(DesignationRefused, AHugeDesignationIsQuotedShort) {
    const auto form = threadForm("Q" + std::string(100000, '9'), Side::Outer);
    ASSERT_FALSE(form.ok());
    EXPECT_LT(english(form.error()).size(), 1000u) << english(form.error()).substr(0, 300);
}

// The dialog offers each family's sizes in a list: every one must read back.
TEST(FamilySizes, EveryListedSizeReadsBack) {
    for (const FamilyInfo& family : threadFamilies()) {
        const std::vector<std::string> sizes = familySizes(family.name);
        EXPECT_FALSE(sizes.empty()) << family.name;
        for (const std::string& size : sizes) {
            const bool inner = size.rfind("Rc", 0) == 0;
            const auto form = threadForm(size, inner ? Side::Inner : Side::Outer);
            EXPECT_TRUE(form.ok()) << size << ": " << english(form.error());
        }
    }
}

} // namespace
} // namespace quillmar::forms
