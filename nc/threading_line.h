#pragma once

#include "core/controls/control_dialect.h"

#include <string_view>

namespace quillmar {

// What one line of a standard program says about its threading move, read alike by the
// cutting graphic and the simulation: whose dialect the move is, and where its start
// angle puts it.

// The value of the last word `letter` (F, K) of one line outside comments, or `current`
// when the line has none. "FD=" and "F=FD" name variables and are not feed words.
double wordValueOfLine(std::u16string_view line, char16_t letter, bool startsInComment,
                       double current);
// The same for a word of several characters ("SF=").
double wordValueOfLine(std::u16string_view line, std::string_view word, bool startsInComment,
                       double current);
double feedWordOfLine(std::u16string_view line, bool startsInComment, double current);

// The dialect whose opening line the line is (the LF it begins with aside); none when it
// is no dialect's.
const ControlDialect* openedDialect(std::u16string_view line);

// The dialect whose threading move a line of G value `g` is; none for any other move.
// Several controls share a G word (G33): the line's lead word counts most, then the
// opening line the block began with (`opened`, may be none), then the start-angle word;
// the first row wins a tie.
const ControlDialect* threadingDialect(float g, const ControlDialect* opened,
                                       std::u16string_view line, bool startsInComment);

// The start angle (degrees) the line's threading move of `dialect` starts from; 0 when
// the dialect has no start-angle word or the line none.
double startAngleOfLine(const ControlDialect& dialect, std::u16string_view line,
                        bool startsInComment);

// How far along +Z a start cut from `angleDegrees` lies from one cut from 0: the spindle
// turns that far before the move starts, and the helix has moved on by that share of
// the lead. The passes cut toward -Z, so the later start is the one further out.
double angleShift(double lead, double angleDegrees);

} // namespace quillmar
