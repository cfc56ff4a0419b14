#include "ui/machine/machine_texts.h"

#include <QCoreApplication>
#include <cmath>

namespace quillmar {

namespace {

struct MachineTexts {
    Q_DECLARE_TR_FUNCTIONS(MachineTexts)
};

QString millimetres(double value) {
    return QString::number(value, 'f', 3);
}

QString passText(const PassPlan& plan, const MachineCheck& check) {
    if (check.pass < 0) {
        return {};
    }
    if (plan.starts <= 1) {
        return MachineTexts::tr("パス %1: ").arg(check.pass + 1);
    }
    const PlannedPass& pass = plan.passes[std::size_t(check.pass)];
    return MachineTexts::tr("パス %1 (%2条目): ").arg(check.pass + 1).arg(pass.start + 1);
}

} // namespace

QString machineCheckText(const PassPlan& plan, const MachineCheck& check, bool brief) {
    QString text;
    switch (check.kind) {
    case MachineCheck::Kind::RunIn:
        text = brief ? MachineTexts::tr("助走 %1 mm 必要, %2 mm")
                     : MachineTexts::tr("助走 %1 mm 必要, 端面から %2 mm");
        break;
    case MachineCheck::Kind::RunOut:
        text = brief ? MachineTexts::tr("逃げ %1 mm 必要, %2 mm")
                     : MachineTexts::tr("逃げ %1 mm 必要, 肩まで %2 mm");
        break;
    case MachineCheck::Kind::SpindleSpeed:
        return MachineTexts::tr("主軸回転数 %1 min⁻¹ まで, %2 min⁻¹ 設定")
            .arg(std::floor(check.needed), 0, 'f', 0)
            .arg(check.there, 0, 'g', 15);
    case MachineCheck::Kind::Retract:
        text = MachineTexts::tr("退避は山 X%1 の外へ, X%2 設定");
        break;
    }
    return passText(plan, check) + text.arg(millimetres(check.needed), millimetres(check.there));
}

QString machineVerdict(const std::optional<RunMachineFigures>& run) {
    if (!run) {
        return MachineTexts::tr("機械: 判定できません (データエラー)");
    }
    const std::vector<MachineCheck>& failed = run->figures.failed;
    if (failed.empty()) {
        return MachineTexts::tr("機械: 問題なし");
    }
    QString text =
        MachineTexts::tr("機械: %1").arg(machineCheckText(run->plan, failed.front(), true));
    if (failed.size() > 1) {
        text += MachineTexts::tr("、ほか %1 件").arg(failed.size() - 1);
    }
    return text;
}

QStringList machineFigureLines(const RunMachineFigures& run) {
    const MachineFigures& figures = run.figures;
    const QString unknown = MachineTexts::tr("不明");
    const auto shown = [&unknown](const std::optional<double>& value, int decimals) {
        return value ? QString::number(*value, 'f', decimals) : unknown;
    };
    QStringList lines;
    lines << MachineTexts::tr("助走 δ1: %1 mm  逃げ δ2: %2 mm")
                 .arg(shown(figures.runIn, 3), shown(figures.runOut, 3));
    std::optional<double> largest;
    if (figures.maxSpindleSpeed) {
        largest = std::floor(*figures.maxSpindleSpeed);
    }
    lines << MachineTexts::tr("最大主軸回転数: %1 min⁻¹  サイクルタイム: %2 s")
                 .arg(shown(largest, 0), shown(figures.cycleTime, 1));
    if (figures.failed.empty()) {
        lines << MachineTexts::tr("機械のチェック: 問題なし");
    }
    // A Z start too near the face fails every pass: the first few say where to look.
    constexpr std::size_t kMostListed = 8;
    for (std::size_t i = 0; i < figures.failed.size() && i < kMostListed; ++i) {
        lines << machineCheckText(run.plan, figures.failed[i]);
    }
    if (figures.failed.size() > kMostListed) {
        lines << MachineTexts::tr("ほか %1 件").arg(figures.failed.size() - kMostListed);
    }
    return lines;
}

} // namespace quillmar
