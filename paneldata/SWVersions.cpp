#include "paneldata/SWVersions.h"

#include <QDebug>

namespace {

enum EquipmentKind { MainBoard = 1, Kind2 = 2, NetworkCard = 3, LoopCard = 4, OptionCard = 5, Kind6 = 6 };

} // namespace

void SWVersions::clearPanel(quint8 panel)
{
    if (!TC::isTablePanel(panel)) {
        qWarning() << "SWVersions::clearPanel"
                   << "ignored panel" << panel;
        return;
    }
    m_panels[panel].clear();
}

void SWVersions::clearAll()
{
    for (QVector<EquipmentRecord> &records : m_panels)
        records.clear();
}

bool SWVersions::addEquipment(quint8 panel, int kind, int subKind, quint8 firstAddressByte, quint8 secondAddressByte,
                              const QVector<VersionRecord> &versions)
{
    if (!TC::isTablePanel(panel))
        return false;
    m_panels[panel].append(EquipmentRecord{kind, subKind, firstAddressByte, secondAddressByte, versions});
    return true;
}

QVector<EquipmentRecord> SWVersions::matching(quint8 panel,
                                              const std::function<bool(const EquipmentRecord &)> &test) const
{
    QVector<EquipmentRecord> result;
    if (!TC::isTablePanel(panel))
        return result;
    for (const EquipmentRecord &record : m_panels[panel]) {
        if (test(record))
            result.append(record);
    }
    return result;
}

QVector<EquipmentRecord> SWVersions::recordsOfKind(quint8 panel, int kind) const
{
    return matching(panel, [kind](const EquipmentRecord &r) { return r.kind == kind; });
}

QVector<EquipmentRecord> SWVersions::recordsOfKindAndSubKind(quint8 panel, int kind, int subKind) const
{
    return matching(panel,
                    [kind, subKind](const EquipmentRecord &r) { return r.kind == kind && r.subKind == subKind; });
}

QVector<EquipmentRecord> SWVersions::recordsOfKindAndFirstByte(quint8 panel, int kind, quint8 byte) const
{
    return matching(panel,
                    [kind, byte](const EquipmentRecord &r) { return r.kind == kind && r.firstAddressByte == byte; });
}

QVector<EquipmentRecord> SWVersions::recordsOfKindAndSecondByte(quint8 panel, int kind, quint8 byte) const
{
    return matching(panel,
                    [kind, byte](const EquipmentRecord &r) { return r.kind == kind && r.secondAddressByte == byte; });
}

QVector<EquipmentRecord> SWVersions::panelBoardVersions(quint8 panel) const
{
    return recordsOfKind(panel, MainBoard);
}

QVector<EquipmentRecord> SWVersions::networkCardVersions(quint8 panel) const
{
    return recordsOfKind(panel, NetworkCard);
}

QVector<EquipmentRecord> SWVersions::loopCardVersions(quint8 panel, quint8 card) const
{
    return recordsOfKindAndSecondByte(panel, LoopCard, card);
}

QVector<EquipmentRecord> SWVersions::kind2Versions(quint8 panel) const
{
    return recordsOfKindAndSubKind(panel, Kind2, 1);
}

QVector<EquipmentRecord> SWVersions::optionCardVersions(quint8 panel, int subKind) const
{
    return recordsOfKindAndSubKind(panel, OptionCard, subKind);
}

QVector<EquipmentRecord> SWVersions::kind6Versions(quint8 panel, quint8 byte) const
{
    return recordsOfKindAndFirstByte(panel, Kind6, byte);
}

int SWVersions::panelEquipmentType(quint8 panel) const
{
    if (!TC::isTablePanel(panel))
        return 0;
    for (const EquipmentRecord &record : m_panels[panel]) {
        if (record.kind == MainBoard)
            return record.subKind;
    }
    return 0;
}

QString SWVersions::versionText(const VersionRecord &version)
{
    if (version.build != 0)
        return QStringLiteral("v%1.%2.%3").arg(version.major).arg(version.minor).arg(version.build);
    return QStringLiteral("v%1.%2").arg(version.major).arg(version.minor);
}

QString SWVersions::versionTextOf(const EquipmentRecord &record, quint8 versionKind)
{
    for (const VersionRecord &version : record.versions) {
        if (version.versionKind == versionKind)
            return versionText(version);
    }
    return {};
}
