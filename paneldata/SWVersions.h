#pragma once

#include "core/SC_Singleton.h"
#include "core/TCTypes.h"
#include "paneldata/EquipmentRecord.h"

#include <QObject>

#include <array>
#include <functional>

// Per panel (0 to 99), the equipment the panel has and the software versions
// each piece runs, in page order. Panels 100 to 254 have no table and read as
// having no equipment.
class SWVersions final
    : public QObject
    , public SC_Singleton<SWVersions>
{
    Q_OBJECT

public:
    void clearPanel(quint8 panel);
    void clearAll();
    bool addEquipment(quint8 panel, int kind, int subKind, quint8 firstAddressByte, quint8 secondAddressByte,
                      const QVector<VersionRecord> &versions);

    QVector<EquipmentRecord> recordsOfKind(quint8 panel, int kind) const;
    QVector<EquipmentRecord> recordsOfKindAndSubKind(quint8 panel, int kind, int subKind) const;
    QVector<EquipmentRecord> recordsOfKindAndFirstByte(quint8 panel, int kind, quint8 byte) const;
    QVector<EquipmentRecord> recordsOfKindAndSecondByte(quint8 panel, int kind, quint8 byte) const;
    QVector<EquipmentRecord> panelBoardVersions(quint8 panel) const;
    QVector<EquipmentRecord> networkCardVersions(quint8 panel) const;
    QVector<EquipmentRecord> loopCardVersions(quint8 panel, quint8 card) const;
    QVector<EquipmentRecord> kind2Versions(quint8 panel) const;
    QVector<EquipmentRecord> optionCardVersions(quint8 panel, int subKind) const;
    QVector<EquipmentRecord> kind6Versions(quint8 panel, quint8 byte) const;

    int panelEquipmentType(quint8 panel) const;

    static QString versionText(const VersionRecord &version);
    static QString versionTextOf(const EquipmentRecord &record, quint8 versionKind);

private:
    friend class SC_Singleton<SWVersions>;

    SWVersions() = default;

    QVector<EquipmentRecord> matching(quint8 panel, const std::function<bool(const EquipmentRecord &)> &test) const;

    std::array<QVector<EquipmentRecord>, TC::cPanelCount> m_panels;
};
