#pragma once

#include "link/SC_PointsIndividual.h"
#include "link/SC_PointsWildCard.h"
#include "link/SimplePointInfo.h"
#include "listscreens/FilterSelector.h"

#include <QList>
#include <QModelIndexList>
#include <QPointer>
#include <QVector>

class FilterModel;
class FilteredPointsModel;
class PointSortProxyModel;

// The choice of one or several points of those the filter model lists for
// the choices made before, turned into the point lists commands carry.
class PointsSelector final : public FilterSelector
{
    Q_OBJECT

public:
    // The list kind from which exactly one point is chosen.
    static constexpr int SinglePointKind = 6;

    PointsSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
    ~PointsSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;
    virtual FilteredPointsModel *rebuildPointsModel();

    void setMultiSelection(bool multiSelection) { m_multiSelection = multiSelection; }
    void setSortingEnabled(bool enabled);
    void setLogicalAddressing(bool logical) { m_logicalAddressing = logical; }
    void setLogicalZones(bool logical) { m_logicalZones = logical; }
    PointSortProxyModel *sortProxy() const { return m_sortProxy; }

    SC_PointsIndividual &selectedPointsIndividual();
    void selectedPoints(QVector<SimplePointInfo> &points);
    QList<SC_PointsWildCard> &selectedPointsWildCards();
    void selectPoint(quint8 point);

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;
    void editorSelectionChanged(const QModelIndexList &selected);
    void updateModel();

private:
    bool isMultipleChoice() const;
    // The chosen point rows of the points model, the all row left out.
    QList<SimplePointInfo> chosenPoints() const;

    QPointer<FilterModel> m_model;
    QPointer<AUK_90008> m_button;
    SC_PointsIndividual m_individualPoints;
    bool m_logicalAddressing = false;
    bool m_logicalZones = false;
    bool m_sorting = false;
    PointSortProxyModel *m_sortProxy = nullptr;
    QList<SC_PointsWildCard> m_wildCardPoints;
    int m_builtKind = 0;
};
