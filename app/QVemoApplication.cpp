#include "app/QVemoApplication.h"

#include <QEvent>
#include <QRegularExpression>

quint16 QVemoApplication::s_port = QVemoApplication::DefaultPort;

QVemoApplication::QVemoApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    s_port = portFromArguments(arguments());
}

quint16 QVemoApplication::port()
{
    return s_port;
}

quint16 QVemoApplication::portFromArguments(const QStringList &arguments)
{
    static const QRegularExpression pattern(QStringLiteral("--port=([0-9]{1,5})"));
    quint16 port = DefaultPort;
    for (int i = 1; i < arguments.size(); ++i) {
        const QRegularExpressionMatch match = pattern.match(arguments.at(i));
        if (match.hasMatch())
            port = quint16(match.captured(1).toUInt());
    }
    return port;
}

bool QVemoApplication::notify(QObject *receiver, QEvent *event)
{
    // A press reaches the native window first and is then sent on to the
    // widget under it; only the widget delivery counts, so one press is
    // reported once.
    if (receiver->isWidgetType()) {
        if (event->type() == QEvent::MouseButtonPress)
            emit windowsMousePress();
        else if (event->type() == QEvent::MouseButtonRelease)
            emit windowsMouseRelease();
    }
    return QApplication::notify(receiver, event);
}
