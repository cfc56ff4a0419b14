#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>
#include <functional>

namespace quillmar::bench {

// Runs the registered benchmarks inside a Qt application object of type App (text and
// widgets need one). Nothing is shown on a display: unless QT_QPA_PLATFORM names a
// platform, Qt's offscreen one is used. `atEnd` runs after the benchmarks while the
// application object still lives: widgets the benchmarks kept must go before it does.
template <typename App>
int runQtBenchmarks(int argc, char** argv, const std::function<void()>& atEnd = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    App application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    if (atEnd) {
        atEnd();
    }
    benchmark::Shutdown();
    return 0;
}

} // namespace quillmar::bench
