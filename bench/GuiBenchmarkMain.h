#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// Runs the benchmarks of widgets, offscreen unless told otherwise. Missing
// fonts of other scripts are reported while the fonts load; they are not
// what is measured, so messages are not written.
inline int runGuiBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
