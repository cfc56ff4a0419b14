#include "ui/simulation/simulation_figures.h"

#include <QStringList>
#include <cmath>

namespace quillmar {

namespace {

QString mm(double value, int decimals = 4) {
    return QString::number(value, 'f', decimals);
}

QString place(const SimulationResult& result, double position, int pass) {
    QString text = QStringLiteral("Z%1").arg(mm(result.setup.zOf(position), 3));
    if (pass >= 0) {
        text += QStringLiteral(", パス %1").arg(pass + 1);
    } else {
        text += QStringLiteral(", 素材のまま");
    }
    return text;
}

QString deviation(const SimulationResult& result, const std::optional<Deviation>& found) {
    if (!found) {
        return QStringLiteral("なし");
    }
    return QStringLiteral("%1 mm (%2)")
        .arg(mm(found->height), place(result, found->position, found->pass));
}

} // namespace

QString simulationFiguresText(const SimulationResult& result, std::optional<double> maxChipArea) {
    QStringList lines;
    lines << QStringLiteral("パス数: %1  加工回数: %2  エアカット: %3")
                 .arg(result.passes.size())
                 .arg(result.runs)
                 .arg(result.airPasses);
    if (result.largestChipPass >= 0) {
        const PassCut& cut = result.passes[std::size_t(result.largestChipPass)];
        lines << QStringLiteral("最大切りくず面積: %1 mm² (%2)")
                     .arg(mm(cut.chipArea), place(result, cut.position, cut.pass));
    } else {
        lines << QStringLiteral("最大切りくず面積: なし");
    }
    if (result.thickestChipPass >= 0) {
        const PassCut& cut = result.passes[std::size_t(result.thickestChipPass)];
        lines << QStringLiteral("最大切りくず厚さ: %1 mm (%2)")
                     .arg(mm(cut.chipThickness), place(result, cut.thicknessPosition, cut.pass));
    }
    if (result.setup.outline) {
        lines << QStringLiteral("最大削り残し: %1").arg(deviation(result, result.cusp));
        lines << QStringLiteral("最大食い込み: %1").arg(deviation(result, result.gouge));
    } else {
        lines << QStringLiteral("ねじ形状: 不明 (削り残しと食い込みはプログラム出力の後に)");
    }
    if (maxChipArea) {
        int over = 0;
        for (const PassCut& cut : result.passes) {
            over += cut.chipArea > *maxChipArea ? 1 : 0;
        }
        lines << QStringLiteral("上限 %1 mm² を超えるパス: %2").arg(mm(*maxChipArea)).arg(over);
    }
    return lines.join(QLatin1Char('\n'));
}

QString planRefusalText(const PlanRefusal& refusal) {
    const QString needed = mm(std::ceil(refusal.neededArea * 1e4) / 1e4);
    switch (refusal.reason) {
    case PlanRefusal::Reason::LimitNotPositive:
        return QStringLiteral("荒加工計画できません: 上限は 0 より大きく (このままでは %1 mm²)")
            .arg(needed);
    case PlanRefusal::Reason::FinishingRunExceeds:
        return QStringLiteral("荒加工計画できません: 仕上げ加工だけで %1 mm² 必要です").arg(needed);
    case PlanRefusal::Reason::StepTooSmall:
        return QStringLiteral("荒加工計画できません: 0.001 mm の差でも %1 mm² 必要です")
            .arg(needed);
    case PlanRefusal::Reason::TooManyRuns:
        return QStringLiteral("荒加工計画できません: %1 回を超えます").arg(kMostPlannedRuns);
    case PlanRefusal::Reason::Cancelled:
        return {}; // the user stopped it and knows
    case PlanRefusal::Reason::DataError:
        break;
    }
    return QStringLiteral("データエラー ");
}

} // namespace quillmar
