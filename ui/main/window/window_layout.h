#pragma once

#include <optional>

namespace quillmar {

// A control's place in twips (1/1440 inch), as the window's design gives it.
struct TwipsPlacement {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    friend constexpr bool operator==(const TwipsPlacement&, const TwipsPlacement&) = default;
};

// The window measures the layout is computed from, in twips.
struct WindowMeasures {
    float clientHeight = 0; // toolbar and status bar areas included
    float clientWidth = 0;
    float outerWidth = 0; // borders included
};

// Where each control of the main window goes after a size change. A control whose
// computed width or height would be negative has no place: it keeps the one it had,
// while the others are still moved.
struct MainWindowLayout {
    std::optional<TwipsPlacement> txtDataA;
    std::optional<TwipsPlacement> txtDataB;
    std::optional<TwipsPlacement> picture1;
    std::optional<TwipsPlacement> picture2;
    std::optional<TwipsPlacement> picture3; // in the toolbar's coordinates
    float line1Right = 0;                   // the etched rule under the toolbar
    float line2Right = 0;
};

// Fixed offsets of the design: the rule under the toolbar and the first row under it.
inline constexpr float kToolbarHeightTwips = 600;
inline constexpr float kStatusBarHeightTwips = 315;
inline constexpr float kLine1TopTwips = 600;
inline constexpr float kLine2TopTwips = 610;

// Two rows (macro program over standard program), a fixed-width column of panes on
// the left and the graphics taking the rest of the width. Computed in single
// precision, as the window always has been.
MainWindowLayout computeMainWindowLayout(const WindowMeasures& measures);

} // namespace quillmar
