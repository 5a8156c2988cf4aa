#include "paneldata/pages/SC_GlobalConfigDetailsPkt.h"

#include "core/BucketKeys.h"
#include "paneldata/PanelConfiguration.h"
#include "paneldata/PointTextCache.h"

#include <utility>

namespace {

constexpr quint16 LoopDisplayFormat = 0x03;
constexpr quint16 RestrictedLogOn = 0x08;
constexpr quint16 FaultSignallingIncluded = 0x40;

// The node bytes in body order.
constexpr std::array<const char *, 4> NodeKeys{BucketKeys::tmplateID, BucketKeys::timeKeeprNodeID,
                                               BucketKeys::suprvisrNodeID, BucketKeys::mstrNodeID};

// Each feature is stored as its masked bit: 0 or the bit's weight.
constexpr std::array<std::pair<const char *, quint16>, 7> FeatureKeys{{
    {BucketKeys::mnlTxtRtrlSpt, 0x01},
    {BucketKeys::en54part13Spt, 0x02},
    {BucketKeys::sndrRsmFltEnbld, 0x04},
    {BucketKeys::mnlCfgSupLk6, 0x08},
    {BucketKeys::OtptSelfTstSpt, 0x10},
    {BucketKeys::ipLstPassTstDateSpt, 0x20},
    {BucketKeys::multiToneEnabled, 0x40},
}};

} // namespace

SC_GlobalConfigDetailsPkt::SC_GlobalConfigDetailsPkt(const QSharedPointer<SC_PacketBuffer> &received,
                                                     SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
    SC_PacketBuffer &in = *buffer();
    m_displayFlags = in.readUInt16();
    for (quint8 &node : m_nodes)
        node = in.readUInt8();
    if (!hasOptionalField())
        return;
    m_unitLanguages = in.readUInt8();
    if (!hasUnitLanguages())
        return;
    readUnits();
    readTrailingFields();
}

void SC_GlobalConfigDetailsPkt::readUnits()
{
    SC_PacketBuffer &in = *buffer();
    const int count = in.readUInt8();
    for (int i = 0; i < count && hasOptionalField() && !in.isBad(); ++i) {
        Unit unit;
        for (int language = 1; language <= m_unitLanguages; ++language) {
            const quint8 id = in.readUInt8();
            if (language == 1)
                unit.id = id;
            unit.texts << readPageText(language);
        }
        m_units << unit;
    }
}

void SC_GlobalConfigDetailsPkt::readTrailingFields()
{
    SC_PacketBuffer &in = *buffer();
    if (hasOptionalField())
        m_features = in.readUInt16();
    if (hasOptionalField()) {
        const quint8 bits = in.readUInt8();
        m_panelOptions = in.readBitArray(0, bits);
    }
    if (hasOptionalField()) {
        m_defaultText1 = readPageText(1);
        m_defaultText2 = readPageText(2);
    }
}

void SC_GlobalConfigDetailsPkt::handlePacketData()
{
    setBucketNumber(QLatin1String(BucketKeys::loopDspFmt), m_displayFlags & LoopDisplayFormat, false);
    setBucketNumber(QLatin1String(BucketKeys::retrctLgin), (m_displayFlags & RestrictedLogOn) ? 1 : 0, false);
    setBucketNumber(QLatin1String(BucketKeys::inclFltSgnlng), m_displayFlags & FaultSignallingIncluded, false);
    for (std::size_t i = 0; i < NodeKeys.size(); ++i)
        setBucketNumber(QLatin1String(NodeKeys[i]), m_nodes[i], false);
    if (!hasUnitLanguages())
        return;
    for (const Unit &unit : qAsConst(m_units)) {
        for (int language = 1; language <= unit.texts.size(); ++language)
            setBucketKey(BucketKeys::measureUnitKey(unit.id, uint(language)), unit.texts.at(language - 1));
    }
    for (const auto &[key, bit] : FeatureKeys)
        setBucketNumber(QLatin1String(key), m_features & bit, false);
    PanelConfiguration::instance()->setPanelOptions(m_panelOptions);
    PointTextCache::instance()->setDefaultTexts(m_defaultText1, m_defaultText2);
}

void SC_GlobalConfigDetailsPkt::serialise()
{
    buffer()->writeLength();
}
