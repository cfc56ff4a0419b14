#pragma once

#include "ui/seams/program_language.h"
#include "ui/seams/typed_settings.h"

#include <QString>
#include <QStringList>

// Every value the program keeps between runs, with its key in the per-user store and
// what it is while nothing readable is stored. Nothing else names a key.
namespace quillmar::setting {

// The main window's outer rectangle in twips, each a decimal text in single precision.
inline const Setting<float> kMainLeft{"Settings/MainLeft", 1000};
inline const Setting<float> kMainTop{"Settings/MainTop", 1000};
inline const Setting<float> kMainWidth{"Settings/MainWidth", 12000};
inline const Setting<float> kMainHeight{"Settings/MainHeight", 8000};
// The folder the file dialogs last used.
inline const Setting<QString> kOpenPathName{"Settings/OpenPathName", QStringLiteral("\\")};
// The files last opened or saved, latest first.
inline const Setting<QStringList> kRecentFiles{"Settings/RecentFiles", {}};
// Anything but a clear "false" keeps asking: losing a program costs more than a question.
inline const Setting<bool> kAskToSaveOnClose{"Settings/AskToSaveOnClose", true};
// "ja" or "en"; anything else is Japanese.
inline const Setting<ProgramLanguage> kLanguage{"Settings/Language", ProgramLanguage::Japanese};

// The last choices of the "ねじ規格" dialog, as typed.
inline const Setting<QString> kThreadFamily{"ThreadStandard/Family", {}};
inline const Setting<QString> kThreadDesignation{"ThreadStandard/Designation", {}};
inline const Setting<QString> kThreadClass{"ThreadStandard/Class", {}};
inline const Setting<QString> kThreadNoseRadius{"ThreadStandard/NoseRadius", {}};
inline const Setting<QString> kThreadCusp{"ThreadStandard/Cusp", {}};

// The machine profile, each figure as the plain number text of its value; empty (or a
// text that does not read as a number in the figure's range) is unknown.
inline const Setting<QString> kMachineSpindleSpeed{"Machine/SpindleSpeed", {}};
inline const Setting<QString> kMachineMaxFeedZ{"Machine/MaxFeedZ", {}};
inline const Setting<QString> kMachineTimeConstant{"Machine/TimeConstant", {}};
inline const Setting<QString> kMachineAcceleration{"Machine/Acceleration", {}};
inline const Setting<QString> kMachineLeadErrorAllowed{"Machine/LeadErrorAllowed", {}};
inline const Setting<QString> kMachineRapidRate{"Machine/RapidRate", {}};
inline const Setting<QString> kMachineShoulderZ{"Machine/ShoulderZ", {}};

// Which figure of the profile (its job key) each of those holds.
struct MachineSetting {
    const char* key;
    const Setting<QString>* setting;
};
inline const MachineSetting kMachineSettings[] = {
    {"spindleSpeed", &kMachineSpindleSpeed},
    {"maxFeedZ", &kMachineMaxFeedZ},
    {"timeConstant", &kMachineTimeConstant},
    {"acceleration", &kMachineAcceleration},
    {"leadErrorAllowed", &kMachineLeadErrorAllowed},
    {"rapidRate", &kMachineRapidRate},
    {"shoulderZ", &kMachineShoulderZ},
};

} // namespace quillmar::setting
