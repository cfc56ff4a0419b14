#include "core/forms/designation_reader.h"

#include "core/full_width_text.h"
#include "core/plain_number_text.h"
#include "core/quoted_text.h"

#include <charconv>
#include <cmath>

namespace quillmar::forms {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string normalizeDesignation(std::string_view text) {
    const std::string folded = foldFullWidth(text);
    std::string out;
    for (char c : folded) {
        if (c == '\t' || c == '\r' || c == '\n') {
            c = ' ';
        }
        if (c == ' ' && (out.empty() || out.back() == ' ')) {
            continue;
        }
        out.push_back(c);
    }
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

void DesignationReader::skipBlanks() {
    while (position_ < text_.size() && text_[position_] == ' ') {
        ++position_;
    }
}

bool DesignationReader::atEnd() {
    skipBlanks();
    return position_ >= text_.size();
}

bool DesignationReader::take(std::string_view word) {
    skipBlanks();
    if (text_.size() - position_ < word.size()) {
        return false;
    }
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (upper(text_[position_ + k]) != upper(word[k])) {
            return false;
        }
    }
    position_ += word.size();
    return true;
}

bool DesignationReader::takeLetter(char letter) {
    return take(std::string_view(&letter, 1));
}

std::optional<double> DesignationReader::number() {
    skipBlanks();
    std::size_t i = position_;
    std::string digits;
    bool point = false;
    while (i < text_.size()) {
        const char c = text_[i];
        if (isDigit(c)) {
            digits.push_back(c);
        } else if ((c == '.' || c == ',') && !point && i + 1 < text_.size() &&
                   isDigit(text_[i + 1])) {
            point = true;
            digits.push_back('.');
        } else {
            break;
        }
        ++i;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt; // no digits, or more than a double holds
    }
    position_ = i;
    return value;
}

std::optional<int> DesignationReader::wholeNumber() {
    skipBlanks();
    std::size_t i = position_;
    int value = 0;
    while (i < text_.size() && isDigit(text_[i]) && value < 100000) {
        value = value * 10 + (text_[i] - '0');
        ++i;
    }
    if (i == position_) {
        return std::nullopt;
    }
    position_ = i;
    return value;
}

std::optional<double> DesignationReader::fraction() {
    const std::size_t start = mark();
    const auto numerator = wholeNumber();
    if (numerator && position_ < text_.size() && text_[position_] == '/') {
        ++position_;
        if (position_ < text_.size() && isDigit(text_[position_])) {
            const auto denominator = wholeNumber();
            if (denominator && *denominator > 0) {
                return static_cast<double>(*numerator) / *denominator;
            }
        }
    }
    reset(start);
    return std::nullopt;
}

std::optional<double> DesignationReader::inchSize() {
    const std::size_t start = mark();
    if (const auto simple = fraction()) {
        return simple;
    }
    const auto whole = number();
    if (!whole) {
        reset(start);
        return std::nullopt;
    }
    // "1 1/4": a whole number, one blank, a fraction.
    const std::size_t afterWhole = mark();
    if (afterWhole < text_.size() && text_[afterWhole] == ' ' && std::floor(*whole) == *whole) {
        if (const auto part = fraction(); part && *part < 1) {
            return *whole + *part;
        }
        reset(afterWhole);
    }
    return whole;
}

std::string DesignationReader::word() {
    skipBlanks();
    std::string out;
    while (position_ < text_.size() && (isDigit(text_[position_]) || isLetter(text_[position_]))) {
        out.push_back(text_[position_]);
        ++position_;
    }
    return out;
}

FormExpected<double> nominalMillimetres(DesignationReader& reader, std::string_view letters,
                                        std::string_view example) {
    reader.take(letters);
    const auto d = reader.number();
    if (!d) {
        return notUnderstood(reader, MessageId::ExpectNominalMillimetres, example);
    }
    return *d;
}

FormFailure notUnderstood(const DesignationReader& reader, MessageId expected,
                          std::string_view example) {
    const std::string typed = quotedText(reader.text());
    if (reader.rest().empty()) {
        return refusal(MessageId::EndsTooEarly, {typed, expected, std::string(example)});
    }
    if (reader.read().empty()) {
        return refusal(MessageId::NotUnderstood,
                       {typed, quotedText(reader.rest()), expected, std::string(example)});
    }
    return refusal(MessageId::NotUnderstoodAfter,
                   {typed, quotedText(reader.rest()), quotedText(reader.read()), expected,
                    std::string(example)});
}

FormExpected<int> startsFromLead(double lead, double pitch, std::string_view example) {
    const double ratio = lead / pitch;
    const double whole = std::round(ratio);
    if (!(pitch > 0) || std::fabs(ratio - whole) > 1e-9 || whole < 1 || whole > 99) {
        return refusal(MessageId::LeadNotWholePitches,
                       {numberText(lead), numberText(pitch), std::string(example)});
    }
    return static_cast<int>(whole);
}

std::string numberText(double value) {
    // Beyond 1e15 a double has no decimals to round, and scaling it could overflow.
    if (!(std::fabs(value) < 1e15)) {
        return plainNumberText(value);
    }
    return plainNumberText(std::round(value * 10000) / 10000);
}

} // namespace quillmar::forms
