#pragma once

#include "widgets/EventListDelegate.h"

// A panel or a region of the network status screen as a card, with the
// network diagnostics counters when asked for.
class SystemStatusNetworkListDelegate final : public EventListDelegate
{
    Q_OBJECT

public:
    enum Kind { Panel = 0, Region = 1 };

    SystemStatusNetworkListDelegate(int kind, bool diagnostics, bool hideInformation, bool rbusMode,
                                    QObject *parent = nullptr);

    QVector<QString> columnTitles() const override;

private:
    QString m_kindTitle;
    bool m_diagnostics;
    int m_kind;
};
