#pragma once

#include "core/machine/machine_run.h"

#include <QString>
#include <QStringList>

namespace quillmar {

// A failed check in the program's language: "パス 12 (2条目): 助走 4.000 mm 必要, 端面から
// 2.500 mm" (the start only on a multi-start thread); `brief` leaves out where the figure
// there is measured from, for one line.
QString machineCheckText(const PassPlan& plan, const MachineCheck& check, bool brief = false);

// The data input dialog's one line: "機械: 問題なし", the first failed check and how many
// more, or that the run cannot be judged (its data make no program).
QString machineVerdict(const std::optional<RunMachineFigures>& run);

// The figures and every failed check, one a line, for the simulation window.
QStringList machineFigureLines(const RunMachineFigures& run);

} // namespace quillmar
