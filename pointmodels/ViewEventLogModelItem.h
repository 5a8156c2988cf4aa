#pragma once

#include <QStandardItem>

// One event of the network-status list, answering the event roles from its
// own fields instead of a database row.
class ViewEventLogModelItem final : public QStandardItem
{
public:
    struct Fields
    {
        quint8 node = 0;
        quint32 timeAndDate = 0;
        quint8 zone = 0;
        quint16 unused = 0;
        quint8 deviceType = 0;
        quint8 channelAddr = 0;
        quint8 pointNum = 0;
        quint8 pointCat = 0;
        quint8 channel = 0;
        quint16 eventCode = 0;
        bool informationProvided = false;
        quint8 infoTextID = 0;
        quint16 seqNo = 0;
        quint16 clientID = 0;
        qint32 acceptStatus = 0;
    };

    explicit ViewEventLogModelItem(const Fields &fields);

    QVariant data(int role = Qt::UserRole + 1) const override;

private:
    Fields m_fields;
};
