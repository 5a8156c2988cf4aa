#pragma once

#include <QStandardItem>
#include <QString>

#include <array>

struct RbusDeviceEntry;
struct RbusEvent;

// One row of the front-panel bus log, answering the roles of an event-log
// row, so delegates and reports treat both alike.
class RbusModelItem final : public QStandardItem
{
public:
    explicit RbusModelItem(const RbusEvent &event);
    explicit RbusModelItem(const RbusDeviceEntry &entry);

    QVariant data(int role = Qt::UserRole + 1) const override;

    quint8 kind() const { return m_kind; }

private:
    QString zoneText() const;

    std::array<QString, 6> m_texts;
    quint8 m_kind = 0;
    quint8 m_zone = 0;
    quint8 m_node = 0;
    qint32 m_value = 0;
};
