#pragma once

#include "core/thread_job.h"
#include "graphics/recording_surface.h"
#include "nc/nc_line_reader.h"

#include <cmath>
#include <string>
#include <variant>
#include <vector>

namespace quillmar::testing {

// Every command of one type, in the order drawn.
template <typename Command> std::vector<Command> commandsOf(const RecordingSurface& surface) {
    std::vector<Command> found;
    for (const DrawCommand& command : surface.commands()) {
        if (const auto* match = std::get_if<Command>(&command)) {
            found.push_back(*match);
        }
    }
    return found;
}

inline std::vector<LineCommand> linesIn(const RecordingSurface& surface, Colour colour) {
    std::vector<LineCommand> found;
    for (const LineCommand& line : commandsOf<LineCommand>(surface)) {
        if (line.colour == colour) {
            found.push_back(line);
        }
    }
    return found;
}

inline std::vector<std::string> printedTexts(const RecordingSurface& surface) {
    std::vector<std::string> texts;
    for (const PrintCommand& print : commandsOf<PrintCommand>(surface)) {
        texts.push_back(print.text);
    }
    return texts;
}

inline bool containsText(const RecordingSurface& surface, const std::string& text) {
    for (const std::string& printed : printedTexts(surface)) {
        if (printed == text) {
            return true;
        }
    }
    return false;
}

// No coordinate, radius or scale value in the list is an infinity or NaN.
inline bool allFinite(const RecordingSurface& surface) {
    auto finite = [](std::initializer_list<double> values) {
        for (const double v : values) {
            if (!std::isfinite(v)) {
                return false;
            }
        }
        return true;
    };
    for (const DrawCommand& command : surface.commands()) {
        const bool ok = std::visit(
            [&](const auto& c) {
                using T = std::decay_t<decltype(c)>;
                if constexpr (std::is_same_v<T, LineCommand>) {
                    return finite({c.x1, c.y1, c.x2, c.y2});
                } else if constexpr (std::is_same_v<T, PointCommand>) {
                    return finite({c.x, c.y});
                } else if constexpr (std::is_same_v<T, CircleCommand>) {
                    return finite({c.x, c.y, c.radius});
                } else if constexpr (std::is_same_v<T, PrintCommand>) {
                    return finite({c.x, c.y});
                } else if constexpr (std::is_same_v<T, ScaleCommand>) {
                    return finite({c.scale.left, c.scale.top, c.scale.width, c.scale.height});
                } else {
                    return true;
                }
            },
            command);
        if (!ok) {
            return false;
        }
    }
    return true;
}

// One drawing of a graphic onto a recording surface, with its own reader.
struct Drawn {
    using Graphic = bool (*)(const ThreadJob&, std::u16string_view, NcLineReader&, DrawingSurface&);
    explicit Drawn(Graphic graphic) : graphic(graphic) {}
    void draw(const ThreadJob& job, std::u16string_view text) {
        completed = graphic(job, text, reader, surface);
    }
    Graphic graphic;
    RecordingSurface surface;
    NcLineReader reader;
    bool completed = false;
};

// The job of the example programs: pitch 12.7, D1 32, D2 28, Z from 17.7 to -80.
inline ThreadJob exampleJob() {
    ThreadJob job;
    job.inputsSet = true;
    job.pitch = 12.7;
    job.d1 = 32;
    job.d2 = 28;
    job.stockDiameter = 30;
    job.zStart = 17.7;
    job.zEnd = -80;
    job.passLength = (job.zStart - job.zEnd) + job.pitch;
    return job;
}

} // namespace quillmar::testing
