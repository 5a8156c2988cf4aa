#pragma once

#include "pointmodels/CountModel.h"

// The points of one panel's walk test with one result: tested successfully,
// or unfinished or failed.
class WalkTestPointsModel final : public CountModel
{
    Q_OBJECT

public:
    enum ResultKind { SuccessfulPoints = 0, UnfinishedOrFailedPoints = 1 };

    explicit WalkTestPointsModel(int resultKind, QObject *parent = nullptr);

    int resultKind() const { return m_resultKind; }
    QString resultTitle() const;

    // The points of the node's walk test with this list's result: the
    // inputs it tests (outputs for a walk test of all outputs) in its zones.
    // Empty while the node has no walk test.
    void updateForWalkTest(quint8 node);

    void addPoint(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record) override;

private:
    int m_resultKind;
};
