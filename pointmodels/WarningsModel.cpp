#include "pointmodels/WarningsModel.h"

WarningsModel::WarningsModel(quint8 node, QObject *parent)
    : EventLogCommonQueryModel(1, 0, node, parent)
{
    prepareQueries();
}
