#pragma once

#include <QCoreApplication>

// The application object the engine's objects expect, made once per fuzzer
// process. Messages are dropped: every rejected input warns, and writing the
// warnings would be most of the work. The object is never destroyed: at exit
// its clean-up would reach the SQL driver's connections after they are gone.
inline void startQtForFuzzing(int *argc, char ***argv)
{
    static QCoreApplication *application = new QCoreApplication(*argc, *argv);
    Q_UNUSED(application);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}
