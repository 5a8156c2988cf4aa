#include "paneldata/PointCoreIterator.h"

#include "paneldata/PanelPointCore.h"

#include <QDebug>

void PointCoreIterator::position(const PanelPointCore *core)
{
    m_core = core;
    m_empty = !core || core->isEmpty();
    m_channel = -1;
    m_record = -1;
}

bool PointCoreIterator::next()
{
    if (m_empty)
        return false;
    const QVector<ChannelPoints> &channels = m_core->channels();
    if (m_channel < 0)
        m_channel = 0;
    else
        ++m_record;
    while (m_channel < channels.size()) {
        if (m_record < 0)
            m_record = 0;
        if (m_record < channels.at(m_channel).records.size())
            return true;
        ++m_channel;
        m_record = -1;
    }
    return false;
}

const ChannelAddress &PointCoreIterator::currentChannelKey() const
{
    static const ChannelAddress none;
    if (m_empty || m_channel < 0 || m_channel >= m_core->channels().size()) {
        qWarning() << "PointCoreIterator::currentChannelKey"
                   << "no current record";
        return none;
    }
    return m_core->channels().at(m_channel).key;
}

const PointAddressKey *PointCoreIterator::currentRecord() const
{
    if (m_empty || m_channel < 0 || m_channel >= m_core->channels().size() || m_record < 0
        || m_record >= m_core->channels().at(m_channel).records.size()) {
        qWarning() << "PointCoreIterator::currentRecord"
                   << "no current record";
        return nullptr;
    }
    return &m_core->channels().at(m_channel).records.at(m_record);
}
