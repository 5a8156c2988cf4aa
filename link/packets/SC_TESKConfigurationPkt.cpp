#include "link/packets/SC_TESKConfigurationPkt.h"

#include "core/TeskGlobalConfig.h"
#include "link/PanelTextDecoder.h"
#include "link/SC_LinkEffects.h"
#include "link/SyncClient.h"
#include "link/sc_LkEventLog.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int MillisecondsPerMinute = 60000;

// The two flag bytes, bit by bit.
const std::array<void (TeskGlobalConfig::*)(bool), 6> FirstFlags{
    &TeskGlobalConfig::setKeyswitchEnabled, &TeskGlobalConfig::setSwissModeEnabled,
    &TeskGlobalConfig::setEvacuateEnabled,  &TeskGlobalConfig::setSoundersOnOffEnabled,
    &TeskGlobalConfig::setKeySafeEnabled,   &TeskGlobalConfig::setAlarmAckEnabled,
};
const std::array<void (TeskGlobalConfig::*)(bool), 8> SecondFlags{
    &TeskGlobalConfig::setLogicalZones,
    &TeskGlobalConfig::setLogicalAddr,
    nullptr,
    &TeskGlobalConfig::setZoneFiltering,
    &TeskGlobalConfig::setPointSettingsLocked,
    &TeskGlobalConfig::setFirstSecondFire,
    &TeskGlobalConfig::setEvacuateWithoutLogin,
    &TeskGlobalConfig::setDisablementFlag,
};

template <size_t N> void applyFlags(const std::array<void (TeskGlobalConfig::*)(bool), N> &setters, quint8 flags)
{
    for (size_t bit = 0; bit < N; ++bit) {
        if (setters[bit])
            (TeskGlobalConfig::instance()->*setters[bit])((flags >> bit) & 1);
    }
}

} // namespace

SC_TESKConfigurationPkt::SC_TESKConfigurationPkt(const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : SC_TESKSupportPacket(received)
    , m_client(client)
{
    SC_PacketBuffer &bytes = *buffer();
    m_firstLanguage = bytes.readUInt8();
    m_secondLanguage = bytes.readUInt8();
    m_languageUsage = bytes.readUInt8();
    m_dateFormat = bytes.readUInt8();
    bytes.readUInt8();
    m_firstFlags = bytes.readUInt8();
    m_secondFlags = bytes.readUInt8();
    m_panelNumber = bytes.readUInt8();
    m_resetEventCode1 = bytes.readUInt16();
    m_resetEventCode2 = bytes.readUInt16();
    m_firstCodepage = bytes.readUInt16();
    m_secondCodepage = bytes.readUInt16();
    m_customLink1 = bytes.readUInt8();
    m_customLink2 = bytes.readUInt8();
    m_logoutMinutes = bytes.readUInt8();
    if (holds(4)) {
        m_inputPointChannel = bytes.readUInt8();
        m_rbusAddress = bytes.readUInt8();
        m_version = bytes.readUInt16();
    }
    if (holds(1))
        m_expectedBrand = bytes.readUInt8();
    if (holds(2))
        m_restrictionMask = bytes.readUInt16();
    if (holds(2))
        m_restrictionMaskExt = bytes.readUInt16();
    if (!holds(1))
        return;
    const quint8 languages = bytes.readUInt8();
    const quint8 kinds = bytes.readUInt8();
    for (int kind = 0; kind < kinds && !bytes.isBad(); ++kind) {
        for (int language = 0; language < languages; ++language) {
            const QString letter = bytes.readText(1, false);
            const QChar first = letter.isEmpty() ? QChar() : letter.at(0);
            if (language == 0)
                m_letters1.append(first);
            else if (language == 1)
                m_letters2.append(first);
        }
    }
}

// Whether the packet, by its length field, holds that many more bytes.
bool SC_TESKConfigurationPkt::holds(int bytes) const
{
    return length() >= quint32(buffer()->readOffset() + bytes);
}

quint8 SC_TESKConfigurationPkt::brandAnswer(quint8 expectedBrand, int engineBrand)
{
    if (expectedBrand == engineBrand)
        return 0;
    return engineBrand >= 2 ? 1 : 2;
}

void SC_TESKConfigurationPkt::handlePacketData()
{
    if (m_client->isConfigurationPending()) {
        std::printf("sc_TESKConfiguration processed\n");
        m_client->setConfigurationPending(false);
        apply();
    } else {
        std::printf("sc_TESKConfiguration ignored\n");
    }
    std::fflush(stdout);
    if (acknowledgeRequest()) {
        m_client->sendAcknowledgement(*this, brandAnswer(m_expectedBrand, SC_LinkEffects::installed()->brand()));
    }
    m_client->getEventLog()->requestReSync();
}

void SC_TESKConfigurationPkt::apply()
{
    TeskGlobalConfig *config = TeskGlobalConfig::instance();
    const TeskGlobalConfig::SaveBatch oneSave(config);
    SC_LinkEffects::installed()->resetTextRequests();
    m_client->clearSyncPageSignature(SC_SyncPageIDS::ePanelPointNames);
    config->setLanguages(m_languageUsage, m_firstLanguage, m_firstCodepage, m_secondLanguage, m_secondCodepage);
    // Every panel text from here on is in the code pages just named.
    textDecoders().setupTextDecoders();
    config->setDateFormat(m_dateFormat);
    applyFlags(FirstFlags, m_firstFlags);
    applyFlags(SecondFlags, m_secondFlags);
    config->setPanelNumber(m_panelNumber);

    const QString simulator = QCoreApplication::translate("Translator", "_GUI_SIMULATOR_20_CHAR");
    SC_LinkEffects::installed()->setPanelName(
        m_panelNumber == 0 ? simulator
                           : QStringLiteral("%1 - %2 %3")
                                 .arg(simulator, QCoreApplication::translate("Translator", "_PANEL_8_CHAR"))
                                 .arg(m_panelNumber));

    config->setResetEventCode1(m_resetEventCode1);
    config->setResetEventCode2(m_resetEventCode2);
    config->setCustomLink1(m_customLink1);
    config->setCustomLink2(m_customLink2);
    config->setEngineerLogoutTime(m_logoutMinutes * MillisecondsPerMinute);
    config->setInputPointChannel(m_inputPointChannel);
    config->setRbusAddress(m_rbusAddress);
    config->setPacketHeaderLayout(m_version);
    config->setRestrictionMask(m_restrictionMask);
    config->setRestrictionMaskExt(m_restrictionMaskExt);
    config->setAddressLetters(1, m_letters1);
    config->setAddressLetters(2, m_letters2);
    m_client->emitBucketCommand({BucketCmd::PageUpdated, 2, QString(), QString()});
}

void SC_TESKConfigurationPkt::serialise()
{
    buffer()->writeLength();
}
