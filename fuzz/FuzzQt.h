#pragma once

#include "core/TeskGlobalConfig.h"

#include <QCoreApplication>

#include <sanitizer/lsan_interface.h>

// The application object the engine's objects expect, made once per fuzzer
// process. Messages are dropped: every rejected input warns, and writing the
// warnings would be most of the work. The object is never destroyed: at exit
// its clean-up would reach the SQL driver's connections after they are gone.
// The global configuration is read here, before the first input: packets read
// their header layout from it, and what the schema check's library keeps for
// good on its first use is not an input's leak.
inline void startQtForFuzzing(int *argc, char ***argv)
{
    static QCoreApplication *application = new QCoreApplication(*argc, *argv);
    Q_UNUSED(application);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    __lsan_disable();
    TeskGlobalConfig::instance();
    __lsan_enable();
}
