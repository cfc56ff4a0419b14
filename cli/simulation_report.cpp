#include "cli/simulation_report.h"

#include "cli/command_line.h"
#include "core/plain_number_text.h"

#include <cmath>

namespace quillmar {

namespace {

std::string number(double value) {
    return plainNumberText(std::round(value * 1e6) / 1e6);
}

std::string passNumber(int pass) {
    return std::to_string(pass + 1);
}

// Where a figure is: the position within the pitch, its program Z, the pass.
std::string placeJson(const SimulationResult& result, double position, int pass) {
    std::string text = "\"position\": " + number(position) +
                       ", \"z\": " + number(result.setup.zOf(position)) + ", \"pass\": ";
    text += pass >= 0 ? passNumber(pass) : "null";
    text += ", \"run\": ";
    text += pass >= 0 ? std::to_string(result.passes[std::size_t(pass)].run + 1) : "null";
    return text;
}

std::string deviationJson(const SimulationResult& result,
                          const std::optional<Deviation>& deviation) {
    if (!deviation) {
        return "null";
    }
    return "{\"height\": " + number(deviation->height) + ", " +
           placeJson(result, deviation->position, deviation->pass) + "}";
}

} // namespace

std::string simulationCsv(const SimulationResult& result) {
    std::string text = "run,pass,x,z,chip_area_mm2,chip_thickness_mm,air\r\n";
    for (const PassCut& cut : result.passes) {
        text += std::to_string(cut.run + 1) + "," + passNumber(cut.pass) + "," + number(cut.x) +
                "," + number(cut.z) + "," + number(cut.chipArea) + "," + number(cut.chipThickness) +
                "," + (cut.air ? "yes" : "no") + "\r\n";
    }
    return text;
}

std::string simulationJson(const SimulationResult& result, std::optional<double> maxChipArea) {
    std::string text = "{\n  \"passes\": [";
    int overLimit = 0;
    for (const PassCut& cut : result.passes) {
        const bool over = maxChipArea && cut.chipArea > *maxChipArea;
        overLimit += over ? 1 : 0;
        text += std::string(cut.pass == 0 ? "\n" : ",\n") +
                "    {\"run\": " + std::to_string(cut.run + 1) +
                ", \"pass\": " + passNumber(cut.pass) +
                ", \"line\": " + std::to_string(cut.line + 1) + ", \"x\": " + number(cut.x) +
                ", \"z\": " + number(cut.z) + ", \"position\": " + number(cut.position) +
                ", \"chipArea\": " + number(cut.chipArea) +
                ", \"chipThickness\": " + number(cut.chipThickness) +
                ", \"air\": " + (cut.air ? "true" : "false") +
                ", \"overLimit\": " + (over ? "true" : "false") + "}";
    }
    text += result.passes.empty() ? "],\n" : "\n  ],\n";
    text += "  \"summary\": {\n";
    text += "    \"passes\": " + std::to_string(result.passes.size()) + ",\n";
    text += "    \"runs\": " + std::to_string(result.runs) + ",\n";
    text += "    \"airPasses\": " + std::to_string(result.airPasses) + ",\n";
    text += "    \"pitch\": " + number(result.setup.pitch) + ",\n";
    text += "    \"noseRadius\": " + number(result.setup.noseRadius) + ",\n";
    text += "    \"largestChipArea\": ";
    if (result.largestChipPass >= 0) {
        const PassCut& cut = result.passes[std::size_t(result.largestChipPass)];
        text += "{\"area\": " + number(cut.chipArea) + ", " +
                placeJson(result, cut.position, cut.pass) + "},\n";
    } else {
        text += "null,\n";
    }
    text += "    \"largestChipThickness\": ";
    if (result.thickestChipPass >= 0) {
        const PassCut& cut = result.passes[std::size_t(result.thickestChipPass)];
        text += "{\"thickness\": " + number(cut.chipThickness) + ", " +
                placeJson(result, cut.thicknessPosition, cut.pass) + "},\n";
    } else {
        text += "null,\n";
    }
    text += "    \"outlineKnown\": " + std::string(result.setup.outline ? "true" : "false") + ",\n";
    text += "    \"largestCusp\": " + deviationJson(result, result.cusp) + ",\n";
    text += "    \"largestGouge\": " + deviationJson(result, result.gouge) + ",\n";
    text += "    \"maxChipArea\": " + (maxChipArea ? number(*maxChipArea) : std::string("null")) +
            ",\n";
    text += "    \"passesOverLimit\": " + std::to_string(overLimit) + "\n";
    text += "  }\n}\n";
    return text;
}

std::string simulationReport(const std::string& fileName, const SimulationResult& result,
                             std::optional<double> maxChipArea) {
    return endsWithIgnoringCase(fileName, ".json") ? simulationJson(result, maxChipArea)
                                                   : simulationCsv(result);
}

} // namespace quillmar
