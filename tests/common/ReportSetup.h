#pragma once

#include "app/EngineReportEnvironment.h"
#include "paneldata/DateTime.h"
#include "paneldata/PanelConfiguration.h"
#include "reports/ReportEnvironment.h"

#include <QDir>
#include <QFile>
#include <QStringList>

// Reports go to an empty USB folder ("../USB" of the test's data folder),
// stamped with the panel time 7 August 2024 13:46:09, in the format given,
// through the engine's report environment.
class ReportSetup final
{
public:
    explicit ReportSetup(int format)
    {
        // A test may have left a file, or a read-only folder, in its place.
        QFile::setPermissions(usbDirectory(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove(usbDirectory());
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
