#pragma once

#include "../widgets/PageUnderPopups.h"
#include "FakeClock.h"
#include "ReportSetup.h"
#include "WidgetShot.h"
#include "reports/AUK_40048.h"

#include <QList>
#include <QPointer>
#include <QStandardItemModel>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class PrintableModel;
class SaveReport;

// A report save as a screen starts it: English texts, the page stack with a
// page under the popups, the engine's report environment, an empty USB
// folder ("../USB" of the test's data folder), the panel clock at
// 7 August 2024 13:46:09 and the engine's clock in the test's hand.
class ReportRig final
{
public:
    explicit ReportRig(QWidget *window, int reportFormat);
    ~ReportRig();
    ReportRig(const ReportRig &) = delete;
    ReportRig &operator=(const ReportRig &) = delete;

    // The prefix and time of every report made here: "WT" at the clock.
    static QString baseName() { return QStringLiteral("WT20240807134609"); }
    static QString usbDirectory() { return ReportSetup::usbDirectory(); }
    // Every file in the USB folder, hidden ones too, sorted.
    static QStringList usbFiles();
    static QByteArray readUsbFile(const QString &name);

    SaveReport *report(const QList<QSharedPointer<PrintableModel>> &models,
                       const QString &prefix = QStringLiteral("WT"));
    // Starts the report and runs its steps until it has gone.
    void run(SaveReport *report);
    // Runs the steps of reports already started until they have gone.
    void runUntilGone(const QList<QPointer<SaveReport>> &reports);

    // What the reports told their popups, in order: "success <path>",
    // "failure <code>".
    QStringList results;

private:
    EnglishTexts m_english;
    FakeClock m_clock;
    PageUnderPopups m_page;
    ReportSetup m_reports;
};

// Rows for the fixture models: the texts by role, and child rows below.
struct FixtureRow
{
    QList<QPair<int, QVariant>> values;
    QList<FixtureRow> children;
};

// An item model of the rows, naming the roles it fills.
QSharedPointer<QStandardItemModel> fixtureModel(const QList<FixtureRow> &rows, const QList<int> &roles);
// A model of one column (role 58) whose rows are the texts.
QSharedPointer<QStandardItemModel> columnModel(const QStringList &texts);
QSharedPointer<PrintableModel> printable(const QSharedPointer<QStandardItemModel> &model, const QString &title,
                                         const QList<int> &roles, bool titleRow = true);
