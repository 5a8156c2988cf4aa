#pragma once

#include <QApplication>

// The application object the engine's objects expect, made once per fuzzer
// process: received packets may put popups on the screen, which is drawn
// offscreen here. Messages are dropped: every rejected input warns, and
// writing the warnings would be most of the work.
inline void startQtForFuzzing(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}
