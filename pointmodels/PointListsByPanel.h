#pragma once

#include "link/SC_PointsIndividual.h"

#include <QMap>

class QAbstractItemModel;
class QModelIndex;

// The points of list rows gathered into one individual point list per
// panel, the panels in ascending order and each list in row order. A row
// counts only with a panel number (role 33) and a point address (role 65):
// a row without them names no point a command could reach.
class PointListsByPanel final
{
public:
    static constexpr int PanelRole = 33;
    static constexpr int PointRole = 65;

    // The row's panel number; false when the row holds none.
    static bool panelOf(const QModelIndex &row, quint8 *panel);

    // False, and nothing added, for a row without panel or point.
    bool addRow(const QModelIndex &row);
    // Every top-level row of the model.
    void addRows(const QAbstractItemModel &model);

    const QMap<quint8, SC_PointsIndividual> &lists() const { return m_lists; }
    int pointCount() const { return m_points; }

private:
    QMap<quint8, SC_PointsIndividual> m_lists;
    int m_points = 0;
};
