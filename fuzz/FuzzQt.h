#pragma once

#include <QCoreApplication>

// The application object the engine's objects expect, made once per fuzzer
// process. Messages are dropped: every rejected input warns, and writing the
// warnings would be most of the work.
inline void startQtForFuzzing(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}
