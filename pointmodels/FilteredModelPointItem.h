#pragma once

#include <QStandardItem>

// A point of a filtered list: its address, the task it is listed for, and
// texts looked up whenever they are asked for, so names and languages are
// always current.
class FilteredModelPointItem : public QStandardItem
{
public:
    FilteredModelPointItem(quint8 panel, quint8 channelKind, quint8 channelNumber, quint8 channelAddress, quint8 point,
                           int forceAction, int disableAction, int itemType, int walkTestSelector, int walkTestKind,
                           bool showPointNumbers);

    QVariant data(int role = Qt::UserRole + 1) const override;

    // Panel, channel number, channel kind, channel address and point from
    // the high byte down.
    quint32 pointKey() const;

protected:
    static QString deviceTagText(quint8 deviceType);
    // The point's printable address; style 1 is the short form, trimmed and
    // under logical addressing led by the point's zone.
    QString addressText(int style, quint8 zone, quint8 logicalPointNumber, quint8 prefixZone) const;

    quint8 m_panel;
    quint8 m_channelKind;
    quint8 m_channelNumber;
    quint8 m_channelAddress;
    quint8 m_point;

private:
    int m_forceAction;
    int m_disableAction;
    int m_itemType;
    int m_walkTestSelector;
    int m_walkTestKind;
    bool m_showPointNumbers;
};
