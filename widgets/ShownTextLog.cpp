#include "widgets/ShownTextLog.h"

#include <QDebug>
#include <QEvent>
#include <QLabel>

#include <ctime>

ShownTextLog::ShownTextLog(QLabel *label, const QString &what)
    : QObject(label)
    , m_label(label)
    , m_what(what)
{
    label->installEventFilter(this);
}

QString ShownTextLog::line(const QString &what, qint64 microseconds, const QString &text)
{
    return QStringLiteral("%1 shown at monotonic %2 us: %3")
        .arg(what)
        .arg(microseconds)
        .arg(QString(text).replace(QLatin1Char('\n'), QLatin1String(" | ")));
}

qint64 ShownTextLog::monotonicMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

bool ShownTextLog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_label || event->type() != QEvent::Paint)
        return false;
    const QString text = m_label->text();
    if (text.isEmpty() || text == m_lastShown)
        return false;
    // The label paints first, so that the time logged is after the drawing.
    static_cast<QObject *>(m_label)->event(event);
    m_lastShown = text;
    qInfo().noquote() << line(m_what, monotonicMicroseconds(), text);
    return true;
}
