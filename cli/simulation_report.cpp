#include "cli/simulation_report.h"

#include "cli/command_line.h"
#include "core/plain_number_text.h"
#include "simulation/thread_gauge.h"

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
            {"overLimit", over},
            {"chipThicknessNormal", rounded(cut.chipThicknessNormal)},
            {"engagedEdge", rounded(cut.engagedEdge)}};
}

// The gauge's figures of the thread as cut, each diameter with its class's limits and
// whether it lies inside them (null where the class gives none), and the verdict over
// the limits known.
struct GaugeReading {
    ThreadGauge gauge;
    GaugeVerdict verdict;
};

std::optional<GaugeReading> gaugeReading(const SimulationResult& result,
                                         const forms::ThreadForm* form) {
    const std::optional<ThreadGauge> gauge = gaugeThread(result);
    if (!gauge) {
        return std::nullopt;
    }
    return GaugeReading{*gauge, form ? judgeThread(*gauge, form->limits) : GaugeVerdict{}};
}

ReportJson optionalNumber(std::optional<double> value) {
    return value ? ReportJson(rounded(*value)) : ReportJson();
}

ReportJson diameterJson(std::optional<double> value,
                        const std::optional<DiameterVerdict>& verdict) {
    ReportJson json = {{"value", optionalNumber(value)}};
    json["min"] = verdict ? ReportJson(rounded(verdict->band.min)) : ReportJson();
    json["max"] = verdict ? ReportJson(rounded(verdict->band.max)) : ReportJson();
    json["inside"] = verdict ? ReportJson(verdict->inside) : ReportJson();
    json["by"] = verdict && verdict->value ? ReportJson(rounded(verdict->by)) : ReportJson();
    return json;
}

ReportJson flankJson(const std::optional<FlankReading>& flank, double FlankReading::*figure) {
    return flank ? ReportJson(rounded((*flank).*figure)) : ReportJson();
}

ReportJson gaugeJson(const std::optional<GaugeReading>& reading, const forms::ThreadForm* form) {
    if (!reading) {
        return nullptr;
    }
    const ThreadGauge& g = reading->gauge;
    const GaugeVerdict& v = reading->verdict;
    ReportJson json;
    json["designation"] = form ? ReportJson(form->designation) : ReportJson();
    json["majorDiameter"] = diameterJson(g.majorDiameter, v.major);
    json["pitchDiameter"] = diameterJson(g.pitchDiameter, v.pitch);
    json["minorDiameter"] = diameterJson(g.minorDiameter, v.minor);
    if (v.gaugePlane) { // a taper thread: its gauge plane's offset along the axis
        json["gaugePlaneOffset"] = diameterJson(v.gaugePlane->value, v.gaugePlane);
    }
    json["firstFlankAngle"] = flankJson(g.firstFlank, &FlankReading::angleDegrees);
    json["secondFlankAngle"] = flankJson(g.secondFlank, &FlankReading::angleDegrees);
    json["firstFlankStraightness"] = flankJson(g.firstFlank, &FlankReading::straightness);
    json["secondFlankStraightness"] = flankJson(g.secondFlank, &FlankReading::straightness);
    json["verdict"] = v.judged() ? ReportJson(v.passes() ? "inside" : "outside") : ReportJson();
    return json;
}

std::string csvNumber(std::optional<double> value) {
    return value ? number(*value) : "";
}

std::string gaugeCsvLine(const char* figure, std::optional<double> value,
                         const std::optional<DiameterVerdict>& verdict) {
    std::string line = std::string("# gauge,") + figure + "," + csvNumber(value) + ",";
    if (verdict) {
        line += number(verdict->band.min) + "," + number(verdict->band.max) + "," +
                (verdict->inside ? "yes" : "no") + "," +
                csvNumber(verdict->value ? std::optional(verdict->by) : std::nullopt);
    } else {
        line += ",,,";
    }
    return line + "\r\n";
}

std::string gaugeCsv(const std::optional<GaugeReading>& reading) {
    if (!reading) {
        return {};
    }
    const ThreadGauge& g = reading->gauge;
    const GaugeVerdict& v = reading->verdict;
    const auto flank = [](const std::optional<FlankReading>& f, double FlankReading::*figure) {
        return f ? std::optional((*f).*figure) : std::nullopt;
    };
    return "# gauge,figure,value,min,max,inside,by\r\n" +
           gaugeCsvLine("major_diameter_mm", g.majorDiameter, v.major) +
           gaugeCsvLine("pitch_diameter_mm", g.pitchDiameter, v.pitch) +
           gaugeCsvLine("minor_diameter_mm", g.minorDiameter, v.minor) +
           (v.gaugePlane ? gaugeCsvLine("gauge_plane_offset_mm", v.gaugePlane->value, v.gaugePlane)
                         : std::string()) +
           gaugeCsvLine("first_flank_angle_deg", flank(g.firstFlank, &FlankReading::angleDegrees),
                        std::nullopt) +
           gaugeCsvLine("second_flank_angle_deg", flank(g.secondFlank, &FlankReading::angleDegrees),
                        std::nullopt) +
           gaugeCsvLine("first_flank_straightness_mm",
                        flank(g.firstFlank, &FlankReading::straightness), std::nullopt) +
           gaugeCsvLine("second_flank_straightness_mm",
                        flank(g.secondFlank, &FlankReading::straightness), std::nullopt);
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

std::string simulationCsv(const SimulationResult& result, const forms::ThreadForm* form) {
    std::string text = "run,pass,x,z,chip_area_mm2,chip_thickness_mm,air\r\n";
    for (const PassCut& cut : result.passes) {
        text += std::to_string(cut.run + 1) + "," + passNumber(cut.pass) + "," + number(cut.x) +
                "," + number(cut.z) + "," + number(cut.chipArea) + "," + number(cut.chipThickness) +
                "," + (cut.air ? "yes" : "no") + "\r\n";
    }
    return text + gaugeCsv(gaugeReading(result, form));
}

std::string simulationJson(const SimulationResult& result, std::optional<double> maxChipArea,
                           const std::optional<ReportJson>& machine,
                           const forms::ThreadForm* form) {
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
    summary["largestChipThicknessNormal"] =
        largestJson(result, result.thickestNormalChipPass, "thickness",
                    &PassCut::chipThicknessNormal, &PassCut::normalThicknessPosition);
    if (result.thickestNormalChipPass >= 0) {
        summary["largestChipThicknessNormal"]["engagedEdge"] =
            rounded(result.passes[std::size_t(result.thickestNormalChipPass)].engagedEdge);
    }
    summary["outlineKnown"] = bool(result.setup.outline);
    summary["largestCusp"] = deviationJson(result, result.cusp);
    summary["largestGouge"] = deviationJson(result, result.gouge);
    summary["largestCuspNormal"] = deviationJson(result, result.cuspNormal);
    summary["largestGougeNormal"] = deviationJson(result, result.gougeNormal);
    summary["gauge"] = gaugeJson(gaugeReading(result, form), form);
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
                             const std::optional<ReportJson>& machine,
                             const forms::ThreadForm* form) {
    return endsWithIgnoringCase(fileName, ".json")
               ? simulationJson(result, maxChipArea, machine, form)
               : simulationCsv(result, form);
}

} // namespace quillmar
