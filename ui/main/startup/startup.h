#pragma once

#include "ui/seams/typed_settings.h"

#include <memory>

namespace quillmar {

class InstanceLock;
class MainWindow;
struct MainWindowServices;

// The program's start: a second running copy says "Already Running" and ends before
// it has read or touched the settings; otherwise the main window is made, restored
// from the settings store, and returned ready to show.
std::unique_ptr<MainWindow> startMainWindow(InstanceLock& lock, const MainWindowServices& services,
                                            SettingsStore settings);

} // namespace quillmar
