#pragma once

#include <QChar>
#include <QModelIndex>
#include <QString>

// Turns one item-data role into the counter text of a selector row, such as
// a zone number padded to three digits.
class CounterRole
{
public:
    CounterRole(int role, int width, QChar fill);
    virtual ~CounterRole();
    CounterRole(const CounterRole &) = default;
    CounterRole &operator=(const CounterRole &) = default;

    // Empty when the item has no value for the role or the value means
    // "none" (zone 255, a count of 0).
    virtual QString text(const QModelIndex &index) const;

    int role() const { return m_role; }
    int width() const { return m_width; }
    QChar fill() const { return m_fill; }

private:
    QString number(const QVariant &value) const;

    int m_role;
    int m_width;
    QChar m_fill;
};
