#pragma once

#include <QHash>
#include <QList>
#include <QSqlQueryModel>

class QDateTime;
class QSqlRecord;

// The base of every item model over rows of the table EventLog: it turns
// the named columns of a row into the item-data roles the event delegates
// paint, whatever column is asked for.
class EventLogQueryModel : public QSqlQueryModel
{
    Q_OBJECT

public:
    // Role numbers of an event row; the delegates and screens read them.
    enum Role : int {
        PanelNumberRole = 33,
        ZoneNumberRole = 34,
        PointNumberRole = 35,
        ChannelAddrRole = 38,
        PointCatRole = 43,
        DateTimeRole = 56,
        ZoneTextRole = 58,
        LocationRole = 59,
        DeviceRole = 60,
        AddressRole = 62,
        EventTextRole = 63,
        InformationRole = 64,
        IndividualAddressRole = 65,
        ChannelRole = 70,
        SeqNoRole = 71,
        EventCodeRole = 72,
        AcceptStatusRole = 73,
        ClientIdRole = 74,
        TotalPointsRole = 97,
        TotalEventsRole = 98,
        PanelTextRole = 176,
        LinkRole = 185,
    };

    EventLogQueryModel(QObject *parent, QList<int> roles);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override { return m_roleNames; }

    // An engineer with logical addressing on sees the physical address
    // after the logical one.
    void updateAddressMode();
    bool showsPhysicalAddress() const { return m_showPhysicalAddress; }

    void loadEventsByDate(const QDateTime &from, const QDateTime &to, int offset);
    void loadEventsByCategory(quint16 categoryMask, int offset, bool unrestoredOnly, quint8 node);
    unsigned countEventsByDate(const QDateTime &from, const QDateTime &to) const;
    unsigned countEventsByCategory(quint16 categoryMask, bool unrestoredOnly, quint8 node) const;

    // The texts shared with the network-status items.
    static QString dateTimeText(quint32 panelSeconds);
    static QString zoneText(quint8 node, quint8 zone);
    static QString acceptStatusText(int acceptStatus);
    static QString informationText(bool provided, quint8 node, quint8 infoTextId);

    // Sets the query and fetches every row, so counts and rows agree.
    void setQueryFetchingAll(const QSqlQuery &query);

private:
    QVariant roleValue(const QSqlRecord &record, int role) const;
    QString addressText(const QSqlRecord &record) const;

    QHash<int, QByteArray> m_roleNames;
    bool m_showPhysicalAddress = false;
};
