#include "core/SC_WarningSummary.h"

#include "core/SC_Timer.h"

#include <QDebug>

SC_WarningSummary::SC_WarningSummary(const QString &where, QObject *parent)
    : QObject(parent)
    , m_where(where)
    , m_period(SC_Timer::create(this))
{
    m_period->setSingleShot(true);
    connect(m_period, &SC_Timer::timeout, this, &SC_WarningSummary::endPeriod);
}

void SC_WarningSummary::warn(const QString &text)
{
    if (admit())
        write(text);
}

bool SC_WarningSummary::admit()
{
    if (!m_period->isActive())
        m_period->start(PeriodMs);
    if (m_written < WrittenPerSecond) {
        ++m_written;
        return true;
    }
    ++m_counted;
    return false;
}

void SC_WarningSummary::write(const QString &text)
{
    qWarning().noquote() << text;
}

// A quiet second lets the next warning through at once; a busy one starts
// the next period straight away, so the count keeps coming once a second.
void SC_WarningSummary::endPeriod()
{
    m_written = 0;
    if (m_counted == 0)
        return;
    qWarning().noquote().nospace() << m_where << " " << m_counted << " more warnings like these in the last second";
    m_counted = 0;
    m_period->start(PeriodMs);
}
