#include "frontpanel/flasher.h"

#include <QDebug>

void flasher::setOutputPointState(int kind, int index, int value)
{
    if (kind == RealOutput) {
        if (index < 1 || index > RealOutputPoints) {
            qWarning() << "flasher::setOutputPointState"
                       << "Setting bad 'real' output point number" << index;
            return;
        }
        m_realOutputs[size_t(index)] = value;
    } else if (kind == BusOutput) {
        if (index < 1 || index > BusOutputPoints) {
            qWarning() << "flasher::setOutputPointState"
                       << "Setting bad 'xbus' output point number" << index;
            return;
        }
        m_busOutputs[size_t(index)] = value;
    }
}

int flasher::outputPointState(int kind, int index) const
{
    if (kind == RealOutput && index >= 1 && index <= RealOutputPoints)
        return m_realOutputs[size_t(index)];
    if (kind == BusOutput && index >= 1 && index <= BusOutputPoints)
        return m_busOutputs[size_t(index)];
    return 0;
}

void flasher::clearOutputPointStates()
{
    m_realOutputs.fill(0);
    m_busOutputs.fill(0);
}
