#include "cli/simulation_report.h"

#include "cli/command_line.h"
#include "core/plain_number_text.h"

#include <cmath>

namespace quillmar {

namespace {

double rounded(double value) {
    return std::round(value * 1e6) / 1e6;
}

std::string number(double value) {
    return plainNumberText(rounded(value));
}

std::string passNumber(int pass) {
    return std::to_string(pass + 1);
}

// Where a figure is: the position within the pitch, its program Z, the pass.
void addPlace(ReportJson& json, const SimulationResult& result, double position, int pass) {
    json["position"] = rounded(position);
    json["z"] = rounded(result.setup.zOf(position));
    json["pass"] = pass >= 0 ? ReportJson(pass + 1) : ReportJson();
    json["run"] = pass >= 0 ? ReportJson(result.passes[std::size_t(pass)].run + 1) : ReportJson();
}

ReportJson deviationJson(const SimulationResult& result,
                         const std::optional<Deviation>& deviation) {
    if (!deviation) {
        return nullptr;
    }
    ReportJson json = {{"height", rounded(deviation->height)}};
    addPlace(json, result, deviation->position, deviation->pass);
    return json;
}

ReportJson passJson(const PassCut& cut, bool over) {
    return {{"run", cut.run + 1},
            {"pass", cut.pass + 1},
            {"line", cut.line + 1},
            {"x", rounded(cut.x)},
            {"z", rounded(cut.z)},
            {"position", rounded(cut.position)},
            {"chipArea", rounded(cut.chipArea)},
            {"chipThickness", rounded(cut.chipThickness)},
            {"air", cut.air},
            {"overLimit", over}};
}

// The largest chip's figure (`key`) and where it is, or null when no pass cut.
ReportJson largestJson(const SimulationResult& result, int passIndex, const char* key,
                       double PassCut::*figure, double PassCut::*position) {
    if (passIndex < 0) {
        return nullptr;
    }
    const PassCut& cut = result.passes[std::size_t(passIndex)];
    ReportJson json = {{key, rounded(cut.*figure)}};
    addPlace(json, result, cut.*position, cut.pass);
    return json;
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

std::string simulationJson(const SimulationResult& result, std::optional<double> maxChipArea,
                           const std::optional<ReportJson>& machine) {
    ReportJson passes = ReportJson::array();
    int overLimit = 0;
    for (const PassCut& cut : result.passes) {
        const bool over = maxChipArea && cut.chipArea > *maxChipArea;
        overLimit += over ? 1 : 0;
        passes.push_back(passJson(cut, over));
    }
    ReportJson summary;
    summary["passes"] = result.passes.size();
    summary["runs"] = result.runs;
    summary["airPasses"] = result.airPasses;
    summary["pitch"] = rounded(result.setup.pitch);
    summary["noseRadius"] = rounded(result.setup.noseRadius);
    summary["largestChipArea"] =
        largestJson(result, result.largestChipPass, "area", &PassCut::chipArea, &PassCut::position);
    summary["largestChipThickness"] =
        largestJson(result, result.thickestChipPass, "thickness", &PassCut::chipThickness,
                    &PassCut::thicknessPosition);
    summary["outlineKnown"] = bool(result.setup.outline);
    summary["largestCusp"] = deviationJson(result, result.cusp);
    summary["largestGouge"] = deviationJson(result, result.gouge);
    summary["maxChipArea"] = maxChipArea ? ReportJson(rounded(*maxChipArea)) : ReportJson();
    summary["passesOverLimit"] = overLimit;
    if (machine) {
        summary["machine"] = *machine;
    }
    ReportJson report;
    report["passes"] = std::move(passes);
    report["summary"] = std::move(summary);
    return reportJsonText(report);
}

std::string simulationReport(const std::string& fileName, const SimulationResult& result,
                             std::optional<double> maxChipArea,
                             const std::optional<ReportJson>& machine) {
    return endsWithIgnoringCase(fileName, ".json") ? simulationJson(result, maxChipArea, machine)
                                                   : simulationCsv(result);
}

} // namespace quillmar
