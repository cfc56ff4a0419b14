#include "core/controls/control_registry.h"

#include <array>

namespace quillmar {

// Each dialect lives in its own file in this folder.
const ControlDialect& ospDialect();
const ControlDialect& fanucDialect();
const ControlDialect& linuxCncDialect();
const ControlDialect& haasDialect();
const ControlDialect& mitsubishiDialect();
const ControlDialect& heidenhainDialect();
const ControlDialect& sinumerikDialect();
const ControlDialect& grblHalDialect();

namespace {

constexpr std::array kControls{
    ControlRow{"OSP", kOspControl, "OSP", &ospDialect},
    ControlRow{"FANUC", kFanucControl, "FANUC", &fanucDialect},
    ControlRow{"LinuxCNC", "linuxcnc", "LinuxCNC", &linuxCncDialect},
    ControlRow{"Haas", "haas", "Haas", &haasDialect},
    ControlRow{"Mitsubishi", "mitsubishi", "Mitsubishi", &mitsubishiDialect},
    ControlRow{"Heidenhain", "heidenhain", "Heidenhain", &heidenhainDialect},
    ControlRow{"Sinumerik", "sinumerik", "Sinumerik", &sinumerikDialect},
    ControlRow{"grblHAL", "grblhal", "grblHAL", &grblHalDialect},
};

} // namespace

std::span<const ControlRow> controlRows() {
    return kControls;
}

const ControlRow* findControl(std::string_view jobValue) {
    for (const ControlRow& row : kControls) {
        if (row.jobValue == jobValue) {
            return &row;
        }
    }
    return nullptr;
}

const ControlRow& pickControl(const OutputChoices& choices) {
    const ControlRow* row = findControl(choices.control);
    return row != nullptr ? *row : kControls.front();
}

const ControlDialect& pickDialect(const OutputChoices& choices) {
    return pickControl(choices).dialect();
}

} // namespace quillmar
