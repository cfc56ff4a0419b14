#include "profile_import/text_profile.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace quillmar {

namespace {

// A radius may fall short of half its chord by this much (numbers copied off a drawing
// to three decimals): the arc is then the half turn.
constexpr double kChordSlack = 0.001;

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> found;
    while (!(text = trimmed(text)).empty()) {
        const auto end = text.find_first_of(" \t");
        found.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end);
    }
    return found;
}

std::optional<double> number(std::string_view word) {
    double value = 0;
    const auto [end, fault] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (fault != std::errc{} || end != word.data() + word.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<ProfileSegment> arcByCentre(SectionPoint from, SectionPoint to, SectionPoint centre) {
    const double radius = std::hypot(from.z - centre.z, from.depth - centre.depth);
    const double other = std::hypot(to.z - centre.z, to.depth - centre.depth);
    const double turn = (from.z - centre.z) * (to.depth - centre.depth) -
                        (from.depth - centre.depth) * (to.z - centre.z);
    if (!(radius > 0) || std::fabs(radius - other) > kChordSlack ||
        std::fabs(turn) <= 1e-12 * radius * radius) {
        return std::nullopt;
    }
    return arcSegment(from, to, centre, radius, turn < 0);
}

struct LineReader {
    SectionPoint at{0, 0};
    SegmentChain chain;

    std::optional<std::string> read(std::string_view text) {
        const std::vector<std::string_view> w = words(text);
        std::vector<double> values;
        for (std::size_t i = 1; i < w.size(); ++i) {
            const auto value = number(w[i]);
            if (!value) {
                return "\"" + std::string(w[i]) + "\" is not a number";
            }
            values.push_back(*value);
        }
        const SectionPoint to = values.size() >= 2 ? SectionPoint{values[0], values[1]} : at;
        if (w[0] == "line" && values.size() == 2) {
            chain.push_back(lineSegment(at, to));
        } else if (w[0] == "arc" && values.size() == 3) {
            const auto arc = arcByRadius(at, to, values[2]);
            if (!arc) {
                return "the radius is shorter than half the distance to its end, or 0";
            }
            chain.push_back(*arc);
        } else if (w[0] == "arc" && values.size() == 4) {
            const auto arc = arcByCentre(at, to, {values[2], values[3]});
            if (!arc) {
                return "its ends are not equally far from the centre, or it is a half turn "
                       "(give a half turn by its radius)";
            }
            chain.push_back(*arc);
        } else {
            return "expected \"line Z X\", \"arc Z X R\" or \"arc Z X CZ CX\"";
        }
        at = to;
        return std::nullopt;
    }
};

} // namespace

std::optional<ProfileSegment> arcByRadius(SectionPoint from, SectionPoint to, double radius) {
    const double r = std::fabs(radius);
    const SectionPoint chord{to.z - from.z, to.depth - from.depth};
    const double half = std::hypot(chord.z, chord.depth) / 2;
    if (!(r > 0) || !(half > 0) || r < half - kChordSlack) {
        return std::nullopt;
    }
    const double rise = std::sqrt(std::max(0.0, r * r - half * half));
    // Left of the chord (as z runs) the centre makes an arc that turns like a crest
    // corner; a hollow arc has it on the other side.
    const double side = radius > 0 ? -1 : 1;
    const SectionPoint centre{from.z + chord.z / 2 - side * rise * chord.depth / (2 * half),
                              from.depth + chord.depth / 2 + side * rise * chord.z / (2 * half)};
    return arcSegment(from, to, centre, std::max(r, half), radius > 0);
}

Expected<SegmentChain, ProfileReadError> readTextProfile(std::string_view text) {
    LineReader reader;
    int line = 0;
    while (!text.empty()) {
        ++line;
        const auto end = text.find_first_of("\n;");
        const std::string_view item = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (item.empty() || item.front() == '#') {
            continue;
        }
        if (auto fault = reader.read(item)) {
            return unexpected(ProfileReadError{line, *fault});
        }
    }
    if (reader.chain.empty()) {
        return unexpected(ProfileReadError{0, "holds no segment (\"line Z X\", \"arc Z X R\")"});
    }
    return std::move(reader.chain);
}

} // namespace quillmar
