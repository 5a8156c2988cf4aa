#pragma once

#include "paneldata/PrinterEntry.h"

#include <QString>
#include <QVector>

// What one panel configuration page says about its panel. A record is never
// changed once built: a new page replaces it whole.
struct PanelRecord
{
    QString toolVersion;
    quint16 projectIssue = 0;
    // Panel seconds.
    quint32 projectCreationTime = 0;
    quint32 projectDownloadTime = 0;
    quint16 localCoreDataValue = 0;
    quint8 zoneLimit = 0;
    QString projectName;
    QString projectTemplateName;
    QString panelName1;
    QString panelName2;
    // Seconds.
    quint16 investigateDelay = 0;
    QVector<PrinterEntry> printers;
    QString panelTypeName1;
    QString panelTypeName2;
    quint8 networkCardAddress = 0;
    QString panelIdentifier = QStringLiteral("-");
    int connectedServices = 0;
};
