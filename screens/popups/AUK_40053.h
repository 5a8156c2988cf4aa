#pragma once

#include "link/PointManagerServices.h"
#include "widgets/AUK_20002.h"

class AUK_90003;
class QLabel;

// The engineer's choice for a panel's non-LED outputs: isolate them all,
// extend the isolation's time-out, de-isolate them all or only those not
// active. Shows how long the present isolation still runs, as the panel
// reports it in the commissioning page.
class AUK_40053 : public AUK_20002
{
    Q_OBJECT

public:
    // The option codes the panel takes as the command's data byte.
    enum Option : int { IsolateAll = 0, DeIsolateAll = 1, DeIsolateNonActive = 2, ExtendTimeout = 3, NoOption = 5 };

    AUK_40053(quint8 panel, QWidget *parent);

signals:
    // The option code travels in the control id's type; the receiver sends
    // it as a byte. The receiver closes the popup.
    void commandSelected(LkSpeak::ePointManagerServicesControlID option);

public slots:
    void Ok();
    void Cancel();
    void updateTimeoutString();

private:
    QLabel *m_secondaryTitle;
    AUK_90003 *m_isolateItem;
    AUK_90003 *m_extendItem;
    AUK_90003 *m_enableItem;
    AUK_90003 *m_enableNonActiveItem;
    quint8 m_panel;
};
