#include "pointmodels/FilteredModelPrinterItem.h"

#include "core/TeskGlobalConfig.h"
#include "paneldata/PanelConfiguration.h"
#include "pointmodels/FilteredRoles.h"

QVariant FilteredModelPrinterItem::data(int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return PanelConfiguration::instance()->printerName(m_panel, m_printerNumber,
                                                           TeskGlobalConfig::instance()->getCurrentLang());
    case FilteredRoles::PrinterNumberRole:
        return uint(m_printerNumber);
    case FilteredRoles::PrinterByteRole:
        return uint(m_printerByte);
    default:
        return QStandardItem::data(role);
    }
}
