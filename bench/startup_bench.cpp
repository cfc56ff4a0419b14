// Start-up of the desktop program to its first shown window, and its peak memory,
// side by side with a bare Qt window program and with that window showing one line of
// text: each start is a new process, with a settings folder and runtime folder of its
// own.
#include "quillmar_version.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Launch {
    double seconds = 0;
    double peakMegabytes = 0;
    std::string output;
    bool exitedCleanly = false;
};

// A folder for the settings and the instance lock of the started program, so that a
// copy the user runs does not make it say "Already Running".
std::string privateFolder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/quillmar-startup-XXXXXX";
        const char* made = mkdtemp(pattern);
        return std::string(made != nullptr ? made : "/tmp");
    }();
    return folder;
}

// The user's environment, less what the benchmark sets itself.
std::vector<std::string> childEnvironment(const std::string& platform) {
    auto setHere = [](const std::string& item) {
        for (const char* name :
             {"LD_PRELOAD=", "QT_QPA_PLATFORM=", "XDG_RUNTIME_DIR=", "XDG_CONFIG_HOME="}) {
            if (item.rfind(name, 0) == 0) {
                return true;
            }
        }
        return false;
    };
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!setHere(*entry)) {
            env.emplace_back(*entry);
        }
    }
    env.push_back("LD_PRELOAD=" QUILLMAR_STARTUP_PROBE);
    env.push_back("QT_QPA_PLATFORM=" + platform);
    env.push_back("XDG_RUNTIME_DIR=" + privateFolder());
    env.push_back("XDG_CONFIG_HOME=" + privateFolder());
    return env;
}

Launch launch(const char* program, const std::string& platform) {
    std::vector<std::string> env = childEnvironment(platform);
    std::vector<char*> envp;
    for (std::string& item : env) {
        envp.push_back(item.data());
    }
    envp.push_back(nullptr);
    std::string programPath = program;
    char* argv[] = {programPath.data(), nullptr};

    int pipeEnds[2];
    Launch result;
    if (pipe(pipeEnds) != 0) {
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned == 0) {
        char buffer[256];
        for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
            result.output.append(buffer, std::size_t(n));
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        result.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        result.peakMegabytes = double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
        result.exitedCleanly = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    close(pipeEnds[0]);
    return result;
}

// On "xcb" the programs show their windows on the X server of DISPLAY (make bench
// starts one with xvfb-run), as on a desktop; on "offscreen" they draw into memory.
void startup(benchmark::State& state, const char* program, const char* title,
             const char* platform) {
    if (std::string(platform) == "xcb" && std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("no X server: run under xvfb-run");
        return;
    }
    mkdir(privateFolder().c_str(), 0700);
    // The probe ends each start abruptly; the lock it leaves is taken away, as a
    // normal close would, so that every start is an ordinary first one.
    const std::string lockFile = privateFolder() + "/quillmar.lock";
    unlink(lockFile.c_str());
    launch(program, platform); // the first start fills the system's font and file caches
    double peak = 0;
    for (auto _ : state) {
        unlink(lockFile.c_str());
        const Launch run = launch(program, platform);
        if (!run.exitedCleanly || run.output != title) {
            state.SkipWithError(
                ("no window \"" + std::string(title) + "\" shown; got \"" + run.output + "\"")
                    .c_str());
            return;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakMegabytes);
    }
    state.counters["peak_mb"] = peak;
}

BENCHMARK_CAPTURE(startup, quillmar_xcb, QUILLMAR_PROGRAM, "Quillmar  Ver. " QUILLMAR_TITLE_VERSION,
                  "xcb")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(startup, bareQtWindow_xcb, QUILLMAR_BARE_QT_WINDOW, "bare Qt window", "xcb")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(startup, textQtWindow_xcb, QUILLMAR_TEXT_QT_WINDOW, "Qt window with a text",
                  "xcb")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(startup, quillmar_offscreen, QUILLMAR_PROGRAM,
                  "Quillmar  Ver. " QUILLMAR_TITLE_VERSION, "offscreen")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(startup, bareQtWindow_offscreen, QUILLMAR_BARE_QT_WINDOW, "bare Qt window",
                  "offscreen")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

BENCHMARK_CAPTURE(startup, textQtWindow_offscreen, QUILLMAR_TEXT_QT_WINDOW, "Qt window with a text",
                  "offscreen")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace

BENCHMARK_MAIN();
