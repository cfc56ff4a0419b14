#include "ui/simulation/simulation_figures.h"

#include "simulation/thread_gauge.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

namespace quillmar {

namespace {

struct SimulationFigureTexts {
    Q_DECLARE_TR_FUNCTIONS(SimulationFigureTexts)
};

struct PlanRefusalTexts {
    Q_DECLARE_TR_FUNCTIONS(PlanRefusal)
};

QString mm(double value, int decimals = 4) {
    return QString::number(value, 'f', decimals);
}

QString place(const SimulationResult& result, double position, int pass) {
    QString text = QStringLiteral("Z%1").arg(mm(result.setup.zOf(position), 3));
    if (pass >= 0) {
        text += SimulationFigureTexts::tr(", パス %1").arg(pass + 1);
    } else {
        text += SimulationFigureTexts::tr(", 素材のまま");
    }
    return text;
}

QString deviation(const SimulationResult& result, const std::optional<Deviation>& found) {
    if (!found) {
        return SimulationFigureTexts::tr("なし");
    }
    return QStringLiteral("%1 mm (%2)")
        .arg(mm(found->height), place(result, found->position, found->pass));
}

// The same deviation normal to the outline, beside the radial one.
QString withNormal(const SimulationResult& result, const std::optional<Deviation>& radial,
                   const std::optional<Deviation>& normal) {
    QString text = deviation(result, radial);
    if (radial && normal) {
        text += SimulationFigureTexts::tr("  法線方向: %1").arg(deviation(result, normal));
    }
    return text;
}

// One diameter the gauge reads, with its class's band and verdict where known.
QString diameterText(const QString& name, std::optional<double> value,
                     const std::optional<DiameterVerdict>& verdict) {
    QString text = QStringLiteral("%1: %2").arg(name, value ? mm(*value) + QStringLiteral(" mm")
                                                            : SimulationFigureTexts::tr("なし"));
    if (verdict) {
        const QString band = SimulationFigureTexts::tr("公差 %1〜%2")
                                 .arg(mm(verdict->band.min), mm(verdict->band.max));
        if (verdict->inside) {
            text += SimulationFigureTexts::tr(" (%1: 合格, 余裕 %2 mm)").arg(band, mm(verdict->by));
        } else if (verdict->value) {
            text +=
                SimulationFigureTexts::tr(" (%1: 不合格, %2 mm 外れ)").arg(band, mm(verdict->by));
        } else {
            text += SimulationFigureTexts::tr(" (%1: 不合格)").arg(band);
        }
    }
    return text;
}

QString flankText(const std::optional<FlankReading>& flank, bool angle) {
    if (!flank) {
        return SimulationFigureTexts::tr("なし");
    }
    return angle ? QStringLiteral("%1°").arg(flank->angleDegrees, 0, 'f', 2)
                 : QStringLiteral("%1 mm").arg(mm(flank->straightness));
}

// What a gauge and a thread micrometer would read on the thread as cut.
void addGaugeLines(QStringList& lines, const SimulationResult& result,
                   const forms::ThreadForm* form) {
    const std::optional<ThreadGauge> gauge = gaugeThread(result);
    if (!gauge) {
        return;
    }
    const GaugeVerdict verdict = form ? judgeThread(*gauge, form->limits) : GaugeVerdict{};
    if (form) {
        const QString designation = QString::fromStdString(form->designation);
        lines << (verdict.judged()
                      ? SimulationFigureTexts::tr("ねじ %1: %2")
                            .arg(designation, verdict.passes()
                                                  ? SimulationFigureTexts::tr("合格")
                                                  : SimulationFigureTexts::tr("不合格"))
                      : SimulationFigureTexts::tr("ねじ %1: 公差の値なし (判定せず)")
                            .arg(designation));
    }
    const bool outer = result.setup.side > 0;
    lines << diameterText(outer ? SimulationFigureTexts::tr("外径")
                                : SimulationFigureTexts::tr("谷の径"),
                          gauge->majorDiameter, verdict.major);
    lines << diameterText(SimulationFigureTexts::tr("有効径"), gauge->pitchDiameter, verdict.pitch);
    lines << diameterText(outer ? SimulationFigureTexts::tr("谷の径")
                                : SimulationFigureTexts::tr("内径"),
                          gauge->minorDiameter, verdict.minor);
    if (verdict.gaugePlane) { // a taper thread: where its gauge comes to rest
        lines << diameterText(SimulationFigureTexts::tr("基準径の位置のずれ"),
                              verdict.gaugePlane->value, verdict.gaugePlane);
    }
    lines << SimulationFigureTexts::tr("フランク角: %1 / %2  真直度: %3 / %4")
                 .arg(flankText(gauge->firstFlank, true), flankText(gauge->secondFlank, true),
                      flankText(gauge->firstFlank, false), flankText(gauge->secondFlank, false));
}

} // namespace

QString simulationFiguresText(const SimulationResult& result, std::optional<double> maxChipArea,
                              const forms::ThreadForm* form) {
    QStringList lines;
    lines << SimulationFigureTexts::tr("パス数: %1  加工回数: %2  エアカット: %3")
                 .arg(result.passes.size())
                 .arg(result.runs)
                 .arg(result.airPasses);
    if (result.largestChipPass >= 0) {
        const PassCut& cut = result.passes[std::size_t(result.largestChipPass)];
        lines << SimulationFigureTexts::tr("最大切りくず面積: %1 mm² (%2)")
                     .arg(mm(cut.chipArea), place(result, cut.position, cut.pass));
    } else {
        lines << SimulationFigureTexts::tr("最大切りくず面積: なし");
    }
    if (result.thickestChipPass >= 0) {
        const PassCut& cut = result.passes[std::size_t(result.thickestChipPass)];
        QString line =
            SimulationFigureTexts::tr("最大切りくず厚さ: %1 mm (%2)")
                .arg(mm(cut.chipThickness), place(result, cut.thicknessPosition, cut.pass));
        if (result.thickestNormalChipPass >= 0) {
            const PassCut& normal = result.passes[std::size_t(result.thickestNormalChipPass)];
            line += SimulationFigureTexts::tr("  刃先に垂直: %1 mm, 接触長さ %2 mm (%3)")
                        .arg(mm(normal.chipThicknessNormal), mm(normal.engagedEdge),
                             place(result, normal.normalThicknessPosition, normal.pass));
        }
        lines << line;
    }
    if (result.setup.outline) {
        lines << SimulationFigureTexts::tr("最大削り残し: %1")
                     .arg(withNormal(result, result.cusp, result.cuspNormal));
        lines << SimulationFigureTexts::tr("最大食い込み: %1")
                     .arg(withNormal(result, result.gouge, result.gougeNormal));
    } else {
        lines << SimulationFigureTexts::tr(
            "ねじ形状: 不明 (削り残しと食い込みはプログラム出力の後に)");
    }
    if (maxChipArea) {
        int over = 0;
        for (const PassCut& cut : result.passes) {
            over += cut.chipArea > *maxChipArea ? 1 : 0;
        }
        lines << SimulationFigureTexts::tr("上限 %1 mm² を超えるパス: %2")
                     .arg(mm(*maxChipArea))
                     .arg(over);
    }
    addGaugeLines(lines, result, form);
    return lines.join(QLatin1Char('\n'));
}

QString planRefusalText(const PlanRefusal& refusal) {
    const QString needed = mm(std::ceil(refusal.neededArea * 1e4) / 1e4);
    switch (refusal.reason) {
    case PlanRefusal::Reason::LimitNotPositive:
        return PlanRefusalTexts::tr(
                   "荒加工計画できません: 上限は 0 より大きく (このままでは %1 mm²)")
            .arg(needed);
    case PlanRefusal::Reason::FinishingRunExceeds:
        return PlanRefusalTexts::tr("荒加工計画できません: 仕上げ加工だけで %1 mm² 必要です")
            .arg(needed);
    case PlanRefusal::Reason::StepTooSmall:
        return PlanRefusalTexts::tr("荒加工計画できません: 0.001 mm の差でも %1 mm² 必要です")
            .arg(needed);
    case PlanRefusal::Reason::TooManyRuns:
        return PlanRefusalTexts::tr("荒加工計画できません: %1 回を超えます").arg(kMostPlannedRuns);
    case PlanRefusal::Reason::Cancelled:
        return PlanRefusalTexts::tr("荒加工計画を中止しました");
    case PlanRefusal::Reason::DataError:
        break;
    }
    return PlanRefusalTexts::tr("データエラー ");
}

} // namespace quillmar
