#include "nc/threading_line.h"

#include "core/controls/control_registry.h"
#include "core/leading_number.h"

#include <algorithm>
#include <cmath>

namespace quillmar {

namespace {

bool startsNumber(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+';
}

bool wordAt(std::u16string_view line, std::size_t pos, std::string_view word) {
    return line.size() - pos > word.size() &&
           std::equal(word.begin(), word.end(), line.begin() + std::ptrdiff_t(pos));
}

// Whether the line holds the word with a number, outside comments.
bool lineHasWord(std::u16string_view line, std::string_view word, bool startsInComment) {
    return !word.empty() && !std::isnan(wordValueOfLine(line, word, startsInComment, std::nan("")));
}

} // namespace

double wordValueOfLine(std::u16string_view line, std::string_view word, bool startsInComment,
                       double current) {
    if (word.empty()) {
        return current;
    }
    bool inComment = startsInComment;
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
        const char16_t c = line[pos];
        if (inComment) {
            inComment = c != u')';
        } else if (c == u'(') {
            inComment = true;
        } else if (wordAt(line, pos, word) && startsNumber(line[pos + word.size()])) {
            const std::size_t from = pos + word.size();
            std::size_t end = from;
            while (end < line.size() && startsNumber(line[end])) {
                ++end;
            }
            current = leadingNumberValue(line.substr(from, end - from));
            pos = end - 1;
        }
    }
    return current;
}

double wordValueOfLine(std::u16string_view line, char16_t letter, bool startsInComment,
                       double current) {
    const char word[] = {char(letter), '\0'};
    return wordValueOfLine(line, std::string_view(word, 1), startsInComment, current);
}

double feedWordOfLine(std::u16string_view line, bool startsInComment, double current) {
    return wordValueOfLine(line, u'F', startsInComment, current);
}

const ControlDialect* openedDialect(std::u16string_view line) {
    if (!line.empty() && line.front() == u'\n') {
        line.remove_prefix(1);
    }
    for (const ControlRow& row : controlRows()) {
        const std::string_view opening = row.dialect().openingLine();
        if (!opening.empty() &&
            std::equal(opening.begin(), opening.end(), line.begin(), line.end())) {
            return &row.dialect();
        }
    }
    return nullptr;
}

const ControlDialect* threadingDialect(float g, const ControlDialect* opened,
                                       std::u16string_view line, bool startsInComment) {
    const ControlDialect* best = nullptr;
    int bestScore = -1;
    for (const ControlRow& row : controlRows()) {
        const ControlDialect& dialect = row.dialect();
        if (g != dialect.threadingG()) {
            continue;
        }
        const char lead[] = {char(dialect.leadWord()), '\0'};
        const int score = (lineHasWord(line, lead, startsInComment) ? 4 : 0) +
                          (&dialect == opened ? 2 : 0) +
                          (lineHasWord(line, dialect.startAngleWord(), startsInComment) ? 1 : 0);
        if (score > bestScore) {
            best = &dialect;
            bestScore = score;
        }
    }
    return best;
}

double startAngleOfLine(const ControlDialect& dialect, std::u16string_view line,
                        bool startsInComment) {
    const std::string_view word = dialect.startAngleWord();
    return word.empty() ? 0 : wordValueOfLine(line, word, startsInComment, 0);
}

double angleShift(double lead, double angleDegrees) {
    return lead * angleDegrees / 360;
}

} // namespace quillmar
