#include "listscreens/DisablementsViewer.h"

#include "pointmodels/model.h"

DisablementsViewer::DisablementsViewer(const QString &buttonText, QButtonGroup *group, QObject *parent)
    : EventsSummaryViewer(buttonText, group, parent, Points)
{
    m_pointsRadio.setObjectName(QStringLiteral("pointsRadio"));
    m_zonesRadio.setObjectName(QStringLiteral("zonesRadio"));
    // The bus repeaters list no zones.
    if (model::instance()->guiMode() >= 2)
        return;
    setupRadioButton(&m_pointsRadio, tr("_POINTS_DOUBLEFILTER"), SIGNAL(filterChanged()));
    setupRadioButton(&m_zonesRadio, tr("_ZONES_DOUBLEFILTER"), SIGNAL(filterChanged()));
    m_pointsRadio.setChecked(true);
    connect(&m_pointsRadio, &AUK_90003::toggled, this, &DisablementsViewer::setPointsSelected);
    connect(&m_zonesRadio, &AUK_90003::toggled, this, &DisablementsViewer::setZonesSelected);
    placeRadios({&m_pointsRadio, &m_zonesRadio});
}

void DisablementsViewer::setFilterMode(int mode)
{
    showRadios({&m_pointsRadio, &m_zonesRadio}, mode == 0);
    // Checking the chosen radio first: the checked radio of a row cannot be
    // unchecked on its own.
    AUK_90003 &chosen = mode == 1 ? m_zonesRadio : m_pointsRadio;
    AUK_90003 &other = mode == 1 ? m_pointsRadio : m_zonesRadio;
    chosen.setChecked(true);
    other.setChecked(false);
    emit filterChanged();
}

QAbstractItemDelegate *DisablementsViewer::pointsDelegate()
{
    return &m_pointsDelegate;
}

void DisablementsViewer::setPointsSelected(bool selected)
{
    if (selected)
        m_value = Points;
}

void DisablementsViewer::setZonesSelected(bool selected)
{
    if (selected)
        m_value = Zones;
}
