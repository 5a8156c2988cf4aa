#pragma once

#include "widgets/RoleColumn.h"

#include <QItemDelegate>
#include <QList>
#include <QVector>

// Base of the delegates that paint a whole row or card from an item's roles.
// It keeps the columns a row shows and owns the one table of role captions.
class RolesDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit RolesDelegate(QObject *parent = nullptr);
    ~RolesDelegate() override;

    // The translated caption of an item-data role; empty for a role without
    // one.
    static QString roleTitle(int role);
    // Switches the name caption to the location wording, for the brand that
    // names points by their location.
    static void setLocationTitles(bool locationTitles);

    const QList<RoleColumn> &roleColumns() const { return m_roleColumns; }

protected:
    void setRoleColumns(const QList<RoleColumn> &columns) { m_roleColumns = columns; }
    // One column per role, at positions 0, 1, 2, ..., titled from the table.
    static QList<RoleColumn> titledColumns(const QVector<int> &roles);

private:
    QList<RoleColumn> m_roleColumns;
    static bool s_locationTitles;
};
