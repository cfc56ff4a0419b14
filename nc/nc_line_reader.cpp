#include "nc/nc_line_reader.h"

#include "core/checked_arithmetic.h"
#include "core/leading_number.h"
#include "core/plain_number_text.h"
#include "core/short_decimal.h"
#include "nc/line_break_scan.h"
#include "nc/word_text.h"

#include <cmath>
#include <limits>
#include <string>

namespace quillmar {

namespace {

bool isUpperLetter(char16_t c) {
    return c >= u'A' && c <= u'Z';
}
bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool isOperator(char16_t c) {
    return c == u'+' || c == u'-' || c == u'*' || c == u'/';
}
bool isSeparator(char16_t c) {
    return c == u' ' || c == u'\t';
}
bool isGCharacter(char16_t c) {
    return c >= u'+' && c <= u'9';
}
bool isWordCharacter(char16_t c) {
    return (c >= u'*' && c <= u'9') || c == u'=';
}

// The next blank or TAB at or after `from`, or the end of the line.
std::size_t nextSeparator(std::u16string_view line, std::size_t from) {
    while (from < line.size() && !isSeparator(line[from])) {
        ++from;
    }
    return from;
}

// The leading-number value of gathered text. Its significant digits are known only
// for a plain short decimal; any other text counts as having too many.
ShortDecimal numberOf(std::u16string_view text) {
    if (const auto decimal = shortDecimalValue(text)) {
        return *decimal;
    }
    return ShortDecimal{leadingNumberValue(text), std::numeric_limits<int>::max()};
}

// The expression of one axis word, evaluated left to right in single precision.
// A zero operand is ignored whatever the operator, so no division by zero occurs.
class AxisExpression {
public:
    void apply(double operand) {
        if (operand == 0) {
            return;
        }
        double result = operand;
        switch (pending_) {
        case u'+':
            result = double(accumulator_) + operand;
            break;
        case u'-':
            result = double(accumulator_) - operand;
            break;
        case u'*':
            result = double(accumulator_) * operand;
            break;
        case u'/':
            result = double(accumulator_) / operand;
            break;
        default:
            break;
        }
        accumulator_ = toSingle(result); // beyond single precision: DataError
        ++applied_;
    }
    void setPending(char16_t op) { pending_ = op; }

    // The value the word gives: the accumulator written with at most seven
    // significant digits and read back, so X17.7 gives 17.7 and not the float
    // nearest to it. `last` is the operand applied last.
    double value(const ShortDecimal& last) const {
        if (applied_ == 1 && survivesRoundTrip(last)) {
            // A lone operand of at most seven significant digits between 0.001 and
            // 10^7 lies nearer to its float than half a unit of its seventh digit,
            // so writing and reading it gives back the operand: skip the text.
            switch (pending_) {
            case u'-':
                return -last.value;
            case u'*':
            case u'/':
                return 0; // 0 times or over the operand
            default:
                return last.value;
            }
        }
        return leadingNumberValue(plainNumberText(accumulator_));
    }

private:
    static bool survivesRoundTrip(const ShortDecimal& operand) {
        const double magnitude = std::fabs(operand.value);
        return operand.significantDigits <= 7 && magnitude >= 1e-3 && magnitude < 1e7;
    }

    float accumulator_ = 0;
    char16_t pending_ = 0;
    int applied_ = 0;
};

// Reads the G number after a "G" at `at`; returns where scanning goes on.
std::size_t readGNumber(std::u16string_view line, std::size_t at, float& modalG) {
    std::size_t end = at + 1;
    while (end < line.size() && isGCharacter(line[end])) {
        ++end;
    }
    modalG = toSingle(numberOf(line.substr(at + 1, end - at - 1)).value);
    return end;
}

// Reads the axis word after an "X" or "Z" at `at` into `coordinate`; returns where
// scanning goes on.
std::size_t readAxisWord(std::u16string_view line, std::size_t at, double& coordinate,
                         WordText& word) {
    std::size_t pos = at + 1;
    if (pos < line.size() && isUpperLetter(line[pos])) {
        // A variable name (XP=30, ZSP=VSIOZ): the coordinate stays as it is.
        return nextSeparator(line, at + 2);
    }
    word.clear();
    AxisExpression expression;
    while (pos < line.size()) {
        const char16_t c = line[pos];
        if (isOperator(c)) {
            const char16_t next = pos + 1 < line.size() ? line[pos + 1] : char16_t(0);
            if (isDigit(next) || next == u'.') {
                expression.apply(numberOf(word.view()).value);
                word.clear();
                expression.setPending(c);
                ++pos;
                continue;
            }
            // An operator that starts no number is dropped together with the rest
            // of the word, from two characters on up to the next blank.
            pos = nextSeparator(line, pos + 2);
            break;
        }
        if (!isWordCharacter(c)) {
            break;
        }
        if (c != u'=') {
            word.push(c);
        }
        ++pos;
    }
    const ShortDecimal last = numberOf(word.view());
    expression.apply(last.value);
    coordinate = expression.value(last);
    return pos;
}

} // namespace

bool NcLineReader::readLine(std::u16string_view line) {
    WordText word;
    try {
        std::size_t pos = 0;
        while (pos < line.size()) {
            const char16_t c = line[pos];
            if (inComment || c == u'(') {
                inComment = true;
                commentSeen = true;
                const std::size_t close = line.find(u')', pos + 1);
                if (close == std::u16string_view::npos) {
                    return true; // the comment goes on in the next line
                }
                inComment = false;
                pos = close + 1;
                continue;
            }
            switch (c) {
            case u')':
                inComment = false;
                ++pos;
                break;
            case u'G':
                pos = readGNumber(line, pos, modalG);
                break;
            case u'X':
                pos = readAxisWord(line, pos, currentX, word);
                break;
            case u'Z':
                pos = readAxisWord(line, pos, currentZ, word);
                break;
            default:
                ++pos;
                break;
            }
        }
    } catch (const DataError&) {
        return false; // a number beyond single precision
    }
    return true;
}

double axisWordValue(std::string_view digits) {
    std::u16string line(1, u'X');
    line.append(digits.begin(), digits.end());
    WordText word;
    double value = 0;
    readAxisWord(line, 0, value, word);
    return value;
}

void NcLineReader::startWalk() {
    commentSeen = true;
    currentX = 0;
    currentZ = 0;
}

bool NcLineReader::walkProgramText(std::u16string_view text, const MoveHandler& onMove) {
    startWalk();
    std::size_t start = 0;
    for (;;) {
        switch (walkOneLine(*this, text, start, onMove)) {
        case WalkStep::Read:
            break;
        case WalkStep::End:
            return true;
        case WalkStep::Failed:
            return false;
        }
    }
}

} // namespace quillmar
