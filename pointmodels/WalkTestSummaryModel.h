#pragma once

#include <QStandardItemModel>

class WalkTestSummary;

// One row per panel of the network with its walk test: what is under test,
// where, the progress counts and the times.
class WalkTestSummaryModel final : public QStandardItemModel
{
    Q_OBJECT

public:
    enum Roles {
        NodeRole = 33,
        PanelRole = 122,
        ModeRole = 123,
        LocationRole = 124,
        DevicesInTestRole = 125,
        ZonesInTestRole = 126,
        ExcludedDevicesRole = 127,
        BeenActiveRole = 128,
        BeenClearRole = 129,
        SuccessfulRole = 130,
        CurrentlyActiveRole = 131,
        StartTimeRole = 132,
        LastUpdatedRole = 133,
        ActiveRole = 134,
        PreviousModeRole = 135,
    };

    explicit WalkTestSummaryModel(QObject *parent = nullptr);

    // The selected panel's row first; without showAll only the panels whose
    // walk test is active.
    void fillPanels(bool showAll);
    void addSummaryRow(quint8 node, bool showAll);
    // What the node's current walk test, or the one before its last stop,
    // tests.
    QString modeText(quint8 node, bool previous) const;
    QString locationText(quint8 node, quint8 zoneSelector) const;

private:
    void setProgress(QStandardItem *row, quint8 node, const WalkTestSummary &summary) const;
};
