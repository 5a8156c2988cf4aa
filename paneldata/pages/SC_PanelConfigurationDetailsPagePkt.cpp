#include "paneldata/pages/SC_PanelConfigurationDetailsPagePkt.h"

#include "core/Languages.h"
#include "link/SyncClient.h"
#include "paneldata/LoopDriverConfiguration.h"
#include "paneldata/PanelConfiguration.h"

namespace {

// The loop bits of a page that carries only the 16-bit loop word.
QBitArray loopWordBits(quint16 word)
{
    QBitArray bits(LoopDriverConfiguration::DefaultLoopBits);
    for (int j = 1; j <= 16; ++j)
        bits.setBit(j, word & (1u << (j - 1)));
    return bits;
}

QString toolVersionText(quint8 first, quint8 second, quint8 third)
{
    QString text = QStringLiteral("v%1.%2").arg(first).arg(second);
    if (third != 0)
        text += QStringLiteral(".%1").arg(third);
    return text;
}

} // namespace

SC_PanelConfigurationDetailsPagePkt::SC_PanelConfigurationDetailsPagePkt(
    const QSharedPointer<SC_PacketBuffer> &received, SyncClient *client)
    : sc_SyncPagePacket(received, client)
{
    SC_PacketBuffer &in = *buffer();
    // The project and panel names follow the shown language's direction;
    // printer names and panel types are always read as they come.
    const bool rtl = Languages::isPanelTextRightToLeft();
    const quint8 version1 = in.readUInt8();
    const quint8 version2 = in.readUInt8();
    const quint8 version3 = in.readUInt8();
    m_record.toolVersion = toolVersionText(version1, version2, version3);
    in.readByteVector(3);
    const quint16 issue = in.readUInt16();
    m_record.projectIssue = issue == 0 ? 0 : quint16(issue - 1);
    m_record.projectCreationTime = in.readUInt32();
    m_record.projectDownloadTime = in.readUInt32();
    in.readUInt32();
    in.readUInt8();
    in.readUInt16();
    m_record.localCoreDataValue = in.readUInt16();
    m_record.zoneLimit = in.readUInt8();
    m_loopBits = loopWordBits(in.readUInt16());
    m_record.projectName = readText(rtl);
    readText(rtl);
    m_record.projectTemplateName = readText(rtl);
    m_record.panelName1 = readText(rtl);
    m_record.panelName2 = readText(rtl);
    m_record.investigateDelay = in.readUInt16();
    in.readUInt8();
    in.readUInt8();
    in.readUInt16();
    const quint8 languages = in.readUInt8();
    readText(rtl);
    if (languages == 2)
        readText(rtl);
    readSections();
}

QString SC_PanelConfigurationDetailsPagePkt::readText(bool rightToLeft)
{
    SC_PacketBuffer &in = *buffer();
    return in.readText(in.readUInt8(), rightToLeft);
}

void SC_PanelConfigurationDetailsPagePkt::readSections()
{
    SC_PacketBuffer &in = *buffer();
    if (!hasOptionalField())
        return;
    const quint8 firstBit = in.readUInt8();
    const quint8 bitCount = in.readUInt8();
    m_loopBits = in.readBitArray(firstBit, bitCount);
    const quint8 printerLanguages = in.readUInt8();
    const quint8 printers = in.readUInt8();
    for (int i = 0; i < printers && !in.isBad(); ++i) {
        PrinterEntry printer;
        printer.printerNumber = in.readUInt8();
        printer.firstExtra = in.readUInt8();
        printer.listedExtra = in.readUInt8();
        printer.thirdExtra = in.readUInt8();
        printer.name1 = readText(false);
        if (printerLanguages == 2)
            printer.name2 = readText(false);
        m_record.printers.append(printer);
    }

    if (!hasOptionalField())
        return;
    in.readUInt8();
    const quint8 typeLanguages = in.readUInt8();
    m_record.panelTypeName1 = readText(false);
    if (typeLanguages == 2)
        m_record.panelTypeName2 = readText(false);

    if (!hasOptionalField())
        return;
    m_record.networkCardAddress = in.readUInt8();

    if (!hasOptionalField())
        return;
    const quint8 identifierLength = in.readUInt8();
    if (identifierLength != 0)
        m_record.panelIdentifier = in.readText(identifierLength, false);

    if (!hasOptionalField())
        return;
    m_record.connectedServices = in.readUInt8();
}

bool SC_PanelConfigurationDetailsPagePkt::isRoutedHere() const
{
    return m_record.zoneLimit <= MaximumZoneLimit;
}

void SC_PanelConfigurationDetailsPagePkt::handlePacketData()
{
    const quint8 panel = panelNumber();
    if (partNumber() == 0) {
        PanelConfiguration::instance()->removePanel(panel);
        // A panel described afresh settles no loop shutdowns asked for before.
        if (client())
            client()->clearLoopStates(panel);
    }
    LoopDriverConfiguration::instance()->setPanelLoopBits(panel, m_loopBits);
    PanelConfiguration::instance()->setPanelRecord(panel, m_record);
}

void SC_PanelConfigurationDetailsPagePkt::serialise()
{
    buffer()->writeLength();
}
