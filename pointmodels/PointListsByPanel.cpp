#include "pointmodels/PointListsByPanel.h"

#include <QAbstractItemModel>

bool PointListsByPanel::panelOf(const QModelIndex &row, quint8 *panel)
{
    const QVariant value = row.data(PanelRole);
    bool ok = false;
    const uint number = value.toUInt(&ok);
    if (!value.isValid() || !ok || number > 255)
        return false;
    *panel = quint8(number);
    return true;
}

bool PointListsByPanel::addRow(const QModelIndex &row)
{
    quint8 panel = 0;
    if (!panelOf(row, &panel))
        return false;
    const QVariant point = row.data(PointRole);
    if (!point.canConvert<PointIndividualAddress>())
        return false;
    auto list = m_lists.find(panel);
    if (list == m_lists.end()) {
        list = m_lists.insert(panel, SC_PointsIndividual());
        list->setPanel(panel);
    }
    list->appendPoint(point.value<PointIndividualAddress>());
    ++m_points;
    return true;
}

void PointListsByPanel::addRows(const QAbstractItemModel &model)
{
    const int rows = model.rowCount();
    for (int row = 0; row < rows; ++row)
        addRow(model.index(row, 0));
}
