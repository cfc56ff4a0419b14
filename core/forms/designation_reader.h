#pragma once

#include "core/forms/form_messages.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillmar::forms {

// '×' and full-width characters folded to ASCII, runs of blanks and tabs made one
// blank, no blanks at either end. Letters keep their case: a class's case says the
// side (6g outer, 6H inner).
std::string normalizeDesignation(std::string_view text);

// Walks a normalized designation from left to right. Blanks between the parts are
// skipped; a blank only matters where it separates a whole number from a fraction.
class DesignationReader {
public:
    explicit DesignationReader(std::string_view normalized) : text_(normalized) {}

    bool atEnd();
    bool take(std::string_view word); // the word, after blanks, any case
    bool takeLetter(char letter);     // one letter, after blanks
    std::optional<double> number();   // 12, 2.5, .5 (',' as decimal point too)
    std::optional<int> wholeNumber();
    std::optional<double> fraction(); // 1/6, 3/4
    std::optional<double> inchSize(); // 1 1/4, 1/2, 1.25, 2
    std::string word();               // letters and digits, e.g. a class "6G"
    std::string_view rest() const { return text_.substr(position_); }
    std::string_view read() const { return text_.substr(0, position_); }
    std::string_view text() const { return text_; }

    // Remembers and restores the position for a part that may be absent.
    std::size_t mark() const { return position_; }
    void reset(std::size_t mark) { position_ = mark; }

private:
    void skipBlanks();
    std::string_view text_;
    std::size_t position_ = 0;
};

// "In 'Tr40y7', 'y7' after 'Tr40' was not understood: expected ... Example: ...".
FormFailure notUnderstood(const DesignationReader& reader, MessageId expected,
                          std::string_view example);

// The nominal diameter in millimetres that opens a metric designation after its letters
// (M, Tr, Rd ...; taken when present), or why it is not there.
FormExpected<double> nominalMillimetres(DesignationReader& reader, std::string_view letters,
                                        std::string_view example);

// Number of starts from a lead and a pitch; the lead must hold the pitch a whole
// number of times (1 to 99).
FormExpected<int> startsFromLead(double lead, double pitch, std::string_view example);

// The text of a number for messages: plain, at most four decimals.
std::string numberText(double value);

} // namespace quillmar::forms
