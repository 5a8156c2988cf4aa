#pragma once

#include <QApplication>
#include <QStringList>

// The engine's application object. It takes the engine port from the command
// line and reports every raw mouse press and release, wherever it lands, so
// that a touch anywhere counts as user activity.
class QVemoApplication final : public QApplication
{
    Q_OBJECT

public:
    static constexpr quint16 DefaultPort = 56789;

    QVemoApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // The engine port: the TCP port, the data directory suffix and the
    // front-panel service suffix of this instance.
    static quint16 port();
    // Every argument after the program name that contains "--port=" with up
    // to five digits sets the port (the low 16 bits); the last one wins.
    static quint16 portFromArguments(const QStringList &arguments);

signals:
    void windowsMousePress();
    void windowsMouseRelease();

private:
    static quint16 s_port;
};
