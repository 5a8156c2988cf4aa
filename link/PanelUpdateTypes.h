#pragma once

#include <QMap>
#include <QMetaType>
#include <QString>
#include <QtGlobal>

// What the panel update dialogue's replies carry to the update screens.
namespace TESK_CONTEXT {

// The reply's error byte; 0 is success.
enum ePanelUpdateErrorCodes : int { ePanelUpdateSuccess = 0 };

} // namespace TESK_CONTEXT

namespace LkSpeak {

// A site that can be loaded: the name shown and the reference sent back
// when it is chosen.
struct SiteListData
{
    QString name;
    QString reference;
};

struct PanelData
{
    QString name;
    // The operations the update request sends back.
    quint16 operations = 0;
};

using panelDataMap_t = QMap<quint8, PanelData>;

// The progress of an update, as the controller reports it.
struct PanelUpdateOverview
{
    quint32 state = 0;
    quint16 valueA = 0;
    quint8 valueB = 0;
    quint32 error = 0;
    quint16 valueC = 0;
    quint16 valueD = 0;
    quint8 valueE = 0;
};

} // namespace LkSpeak

Q_DECLARE_METATYPE(TESK_CONTEXT::ePanelUpdateErrorCodes)
Q_DECLARE_METATYPE(LkSpeak::SiteListData)
Q_DECLARE_METATYPE(LkSpeak::panelDataMap_t)
Q_DECLARE_METATYPE(LkSpeak::PanelUpdateOverview)
