#pragma once

#include "core/SC_Singleton.h"
#include "paneldata/PanelRecord.h"

#include <QBitArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSharedPointer>

// Per panel, the project the panel runs (from the panel configuration page),
// plus the network's panel options and the report destination the user
// chose. Readers of a panel without a record get empty values; a reader
// never creates a record. Text and printer readers return references into
// the record: copy what you keep, a new page replaces the record.
class PanelConfiguration final
    : public QObject
    , public SC_Singleton<PanelConfiguration>
{
    Q_OBJECT

public:
    enum ReportDestinationKind { PanelPrinter = 0, UsbReportFile = 1 };
    enum ReportFormat { TextWithWhiteSpace = 0, Text = 1, Csv = 2, Pdf = 3 };

    // Trims the texts the page pads and files the record under the panel,
    // replacing any older one.
    void setPanelRecord(quint8 panel, PanelRecord record);
    void removePanel(quint8 panel);
    // Report destination and panel options stay.
    void clearAll();

    QList<quint8> panels() const;

    const QString &toolVersion(quint8 panel) const;
    quint16 projectIssue(quint8 panel) const;
    quint32 projectCreationTime(quint8 panel) const;
    quint32 projectDownloadTime(quint8 panel) const;
    quint16 localCoreDataValue(quint8 panel) const;
    quint8 zoneLimit(quint8 panel) const;
    const QString &projectName(quint8 panel) const;
    const QString &projectTemplateName(quint8 panel) const;
    quint16 investigateDelay(quint8 panel) const;
    const QVector<PrinterEntry> &printers(quint8 panel) const;
    quint8 networkCardAddress(quint8 panel) const;
    const QString &panelIdentifier(quint8 panel) const;
    int connectedServicesSupported(quint8 panel) const;

    // Language 1 or 2; any other language gives the empty text.
    QString panelName(quint8 panel, int language) const;
    QString panelTypeName(quint8 panel, int language) const;
    QString printerName(quint8 panel, quint8 printer, int language) const;

    void setPanelOptions(const QBitArray &options);
    const QBitArray &panelOptions() const { return m_panelOptions; }

    void setPrinterSelection(quint8 printerPanel, quint8 printerNumber);
    void setReportFormat(int format);
    int reportDestinationKind() const { return m_reportDestinationKind; }
    int reportFormat() const { return m_reportFormat; }
    quint8 printerPanel() const { return m_printerPanel; }
    quint8 printerNumber() const { return m_printerNumber; }

private:
    friend class SC_Singleton<PanelConfiguration>;

    PanelConfiguration() = default;

    const PanelRecord *record(quint8 panel) const;
    template <typename T> T field(quint8 panel, T PanelRecord::*member) const;
    const QString &text(quint8 panel, QString PanelRecord::*member) const;

    int m_reportDestinationKind = UsbReportFile;
    int m_reportFormat = Pdf;
    quint8 m_printerPanel = 0;
    quint8 m_printerNumber = 0;
    QHash<quint8, QSharedPointer<const PanelRecord>> m_records;
    const QString m_emptyText;
    const QVector<PrinterEntry> m_emptyPrinters;
    QBitArray m_panelOptions;
};
