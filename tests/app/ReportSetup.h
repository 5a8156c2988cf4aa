#pragma once

#include "app/EngineReportEnvironment.h"
#include "paneldata/DateTime.h"
#include "paneldata/PanelConfiguration.h"
#include "reports/ReportEnvironment.h"

#include <QDir>
#include <QFile>
#include <QStringList>

// Reports go to an empty USB folder beside the data folder, stamped with a
// fixed panel time, in the format given.
class ReportSetup final
{
public:
    explicit ReportSetup(int format)
    {
        QDir(usbDirectory()).removeRecursively();
        QDir().mkpath(usbDirectory());
        DateTime::resetOffset();
        DateTime::setClock(fixedClock);
        PanelConfiguration::instance()->setReportFormat(format);
        ReportEnvironment::install(&m_environment);
    }
    ~ReportSetup()
    {
        ReportEnvironment::install(nullptr);
        DateTime::setClock(nullptr);
        PanelConfiguration::instance()->setReportFormat(PanelConfiguration::Pdf);
    }
    ReportSetup(const ReportSetup &) = delete;
    ReportSetup &operator=(const ReportSetup &) = delete;

    static QString usbDirectory() { return QDir::current().absoluteFilePath(QStringLiteral("../USB")); }
    static QStringList files() { return QDir(usbDirectory()).entryList(QDir::Files, QDir::Name); }
    static QString text(const QString &name)
    {
        QFile file(QDir(usbDirectory()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    static qint64 fixedClock() { return 1723038369; } // 2024-08-07 13:46:09 UTC

    EngineReportEnvironment m_environment;
};
