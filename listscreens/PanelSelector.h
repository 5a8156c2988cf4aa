#pragma once

#include "listscreens/FilterSelector.h"

#include <QList>
#include <QPointer>

class FilterModel;
class QStandardItemModel;

// The choice of one panel, written to FilterModel::selectedPanel. By default
// the list offers the panels that answer and follows them as they stop or
// start answering; a screen may instead offer the panels configured on the
// network, headed by a row for all panels (255).
class PanelSelector final : public FilterSelector
{
    Q_OBJECT

public:
    static constexpr quint8 AllPanels = 255;

    PanelSelector(FilterModel *model, QButtonGroup *group, QObject *parent);
    ~PanelSelector() override;

    QWidget *button() override;
    QWidget *filterEditor() override;

    // Read when the editor is built: set them right after construction.
    void setShowAllPanelsItem(bool show) { m_showAllPanels = show; }
    void setUseNetworkPanelList(bool use) { m_useNetworkList = use; }
    bool hasAllPanelsItem() const { return m_hasAllPanels; }

    // Chooses the panel's row (255 the all-panels row) as a click would;
    // false when no row holds it.
    bool selectPanel(quint8 panel);
    // False when nothing is chosen or the row's number is unusable.
    bool selectedPanel(quint8 *panel) const;
    // This panel's own row (true) or the first row (false), chosen without
    // moving the screen on.
    void preselectPanel(bool hostPanel);

public slots:
    void reset(bool disableFilterButton) override;
    void activate() override;
    void deactivate() override;
    void itemClicked(const QModelIndex &index);
    // The answering panels changed: the list follows, keeping the choice
    // when its panel is still listed.
    void notRespondingDevicesUpdated();
    void addAllPanelsSelectionItem();

private:
    QStandardItemModel *shownModel() const;
    // Shows the model with the panel counter on each row.
    void showList(QStandardItemModel *model);
    // Refills the answering panels; the row of the panel, -1 for none.
    int rebuildPanelList(const quint8 *panel);
    // Refills the network list, with its all-panels row when it had one.
    int rebuildNetworkList(const quint8 *panel);
    static int rowOfPanel(const QStandardItemModel &model, quint8 panel);
    QList<quint8> listedPanels() const;
    // Whether the shown list differs from what the panel data says now, and
    // whether the chosen panel is among those gone.
    bool answeringPanelsChanged(bool hasChoice, quint8 chosen, bool *lost) const;
    bool networkPanelsChanged(bool hasChoice, quint8 chosen, bool *lost) const;
    // Shows the row as chosen again without it counting as a new choice.
    void restoreRow(int row);
    void choose(const QModelIndex &index);

    QPointer<AUK_90008> m_button;
    FilterModel *m_model;
    bool m_showAllPanels = false;
    bool m_hasAllPanels = false;
    QString m_allPanelsText;
    bool m_useNetworkList = false;
};
