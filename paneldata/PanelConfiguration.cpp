#include "paneldata/PanelConfiguration.h"

#include <algorithm>

void PanelConfiguration::setPanelRecord(quint8 panel, PanelRecord record)
{
    for (QString *text : {&record.toolVersion, &record.projectName, &record.projectTemplateName, &record.panelName1,
                          &record.panelName2, &record.panelIdentifier})
        *text = text->trimmed();
    if (record.panelIdentifier.isEmpty())
        record.panelIdentifier = QStringLiteral("-");
    m_records.insert(panel, QSharedPointer<const PanelRecord>::create(std::move(record)));
}

void PanelConfiguration::removePanel(quint8 panel)
{
    m_records.remove(panel);
}

void PanelConfiguration::clearAll()
{
    m_records.clear();
}

QList<quint8> PanelConfiguration::panels() const
{
    QList<quint8> list = m_records.keys();
    std::sort(list.begin(), list.end());
    return list;
}

const PanelRecord *PanelConfiguration::record(quint8 panel) const
{
    const auto found = m_records.constFind(panel);
    return found == m_records.constEnd() ? nullptr : found.value().data();
}

template <typename T> T PanelConfiguration::field(quint8 panel, T PanelRecord::*member) const
{
    const PanelRecord *found = record(panel);
    return found ? found->*member : T{};
}

const QString &PanelConfiguration::text(quint8 panel, QString PanelRecord::*member) const
{
    const PanelRecord *found = record(panel);
    return found ? found->*member : m_emptyText;
}

const QString &PanelConfiguration::toolVersion(quint8 panel) const
{
    return text(panel, &PanelRecord::toolVersion);
}

quint16 PanelConfiguration::projectIssue(quint8 panel) const
{
    return field(panel, &PanelRecord::projectIssue);
}

quint32 PanelConfiguration::projectCreationTime(quint8 panel) const
{
    return field(panel, &PanelRecord::projectCreationTime);
}

quint32 PanelConfiguration::projectDownloadTime(quint8 panel) const
{
    return field(panel, &PanelRecord::projectDownloadTime);
}

quint16 PanelConfiguration::localCoreDataValue(quint8 panel) const
{
    return field(panel, &PanelRecord::localCoreDataValue);
}

quint8 PanelConfiguration::zoneLimit(quint8 panel) const
{
    return field(panel, &PanelRecord::zoneLimit);
}

const QString &PanelConfiguration::projectName(quint8 panel) const
{
    return text(panel, &PanelRecord::projectName);
}

const QString &PanelConfiguration::projectTemplateName(quint8 panel) const
{
    return text(panel, &PanelRecord::projectTemplateName);
}

quint16 PanelConfiguration::investigateDelay(quint8 panel) const
{
    return field(panel, &PanelRecord::investigateDelay);
}

const QVector<PrinterEntry> &PanelConfiguration::printers(quint8 panel) const
{
    const PanelRecord *found = record(panel);
    return found ? found->printers : m_emptyPrinters;
}

quint8 PanelConfiguration::networkCardAddress(quint8 panel) const
{
    return field(panel, &PanelRecord::networkCardAddress);
}

const QString &PanelConfiguration::panelIdentifier(quint8 panel) const
{
    return text(panel, &PanelRecord::panelIdentifier);
}

int PanelConfiguration::connectedServicesSupported(quint8 panel) const
{
    return field(panel, &PanelRecord::connectedServices);
}

QString PanelConfiguration::panelName(quint8 panel, int language) const
{
    if (language == 1)
        return text(panel, &PanelRecord::panelName1);
    if (language == 2)
        return text(panel, &PanelRecord::panelName2);
    return {};
}

QString PanelConfiguration::panelTypeName(quint8 panel, int language) const
{
    if (language == 1)
        return text(panel, &PanelRecord::panelTypeName1);
    if (language == 2)
        return text(panel, &PanelRecord::panelTypeName2);
    return {};
}

QString PanelConfiguration::printerName(quint8 panel, quint8 printer, int language) const
{
    if (language != 1 && language != 2)
        return {};
    for (const PrinterEntry &entry : printers(panel)) {
        if (entry.printerNumber == printer)
            return language == 1 ? entry.name1 : entry.name2;
    }
    return {};
}

void PanelConfiguration::setPanelOptions(const QBitArray &options)
{
    m_panelOptions = options;
}

void PanelConfiguration::setPrinterSelection(quint8 printerPanel, quint8 printerNumber)
{
    m_printerPanel = printerPanel;
    m_printerNumber = printerNumber;
    m_reportDestinationKind = PanelPrinter;
}

void PanelConfiguration::setReportFormat(int format)
{
    m_reportFormat = format;
    m_reportDestinationKind = UsbReportFile;
}
