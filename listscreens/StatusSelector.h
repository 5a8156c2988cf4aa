#pragma once

#include "listscreens/FilterSelector.h"

#include <QModelIndexList>
#include <QPointer>
#include <QStandardItemModel>

class AUK_90003;
class FilterModel;

// The choice of several event status kinds (fires, faults, ...), written to
// the filter model as a 16-bit mask with one bit per kind. The event log by
// status also shows an "unrestored only" check box in the list's header.
class StatusSelector final : public FilterSelector
{
    Q_OBJECT

public:
    // The item data role of a row's status kind.
    static constexpr int StatusKindRole = 54;

    StatusSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
    ~StatusSelector() override;

    // Read once, when the editor is built: screens set them right after
    // construction.
    void setShowTestItem(bool show) { m_showTestItem = show; }
    void setShowInformationItem(bool show) { m_showInformationItem = show; }
    void setShowUnrestoredCheckBox(bool show) { m_showUnrestoredCheckBox = show; }

    bool isUnrestoredChecked() const;

    QWidget *button() override;
    QWidget *filterEditor() override;

signals:
    void unRestoredCheckBoxActivated(bool isUnRestoredChecked);

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;

private slots:
    void editorSelectionChanged(const QModelIndexList &newSelection);
    void unRestoredClicked(bool checked);

private:
    void fillRows();
    void addUnrestoredCheckBox(AUK_90048 *list);

    FilterModel *m_model;
    QPointer<AUK_90008> m_filterButton;
    QStandardItemModel m_items;
    bool m_showTestItem = false;
    bool m_showInformationItem = false;
    bool m_showUnrestoredCheckBox = false;
    AUK_90003 *m_unrestoredCheckBox = nullptr;
};
