// quillmar-gen on a job of 10,000 runs of the worked example, as a script runs it: a
// new process writing its files into a folder of its own. Every run appends its blocks
// to the panes, so the time must grow with the output and not with the number of runs
// before it.
#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kRuns = 10000;

std::string folder() {
    static const std::string made = [] {
        char pattern[] = "/tmp/quillmar-gen-bench-XXXXXX";
        const char* path = mkdtemp(pattern);
        return std::string(path != nullptr ? path : "/tmp");
    }();
    return made;
}

// The worked example, pressed again 9,999 times on the reopened dialog.
std::string jobFile() {
    const std::string path = folder() + "/runs.job";
    std::ifstream example(QUILLMAR_SOURCE_DIR "/examples/worked-example.job", std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(example), std::istreambuf_iterator<char>()};
    for (int i = 1; i < kRuns; ++i) {
        text += "[run]\n";
    }
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

struct Finished {
    double seconds = 0;
    double cpuSeconds = 0;
    bool ok = false;
};

Finished runGenerator(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), QUILLMAR_GEN_PATH);
    std::vector<char*> argv;
    for (std::string& word : arguments) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    Finished finished;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return finished;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    finished.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    finished.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    finished.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return finished;
}

void generate(benchmark::State& state, bool pictures) {
    const std::string job = jobFile();
    std::vector<std::string> arguments = {"--macro", folder() + "/runs.MIN", "--standard",
                                          folder() + "/runs.NC"};
    if (pictures) {
        arguments.insert(arguments.end(), {"--points-picture", folder() + "/points.png",
                                           "--cutting-picture", folder() + "/cutting.png"});
    }
    arguments.push_back(job);
    double cpu = 0;
    for (auto _ : state) {
        const Finished run = runGenerator(arguments);
        if (!run.ok) {
            state.SkipWithError("quillmar-gen failed");
            return;
        }
        state.SetIterationTime(run.seconds);
        cpu += run.cpuSeconds;
    }
    // The machine's other work shows in the real time; the processor time is the
    // program's own.
    state.counters["cpu_ms"] = 1000 * cpu / double(state.iterations());
    state.counters["runs"] = kRuns;
}

BENCHMARK_CAPTURE(generate, textOutputs, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(generate, withPictures, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
