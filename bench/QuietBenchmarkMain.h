#pragma once

#include <QCoreApplication>

#include <benchmark/benchmark.h>

// The main of a benchmark whose inputs make the engine log (each rejected
// or changed value): the log is not what is measured, so it is dropped.
inline int runQuietBenchmarks(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
