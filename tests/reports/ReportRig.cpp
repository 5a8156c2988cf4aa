#include "ReportRig.h"

#include "reports/PrintableModel.h"
#include "reports/SaveReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>

#include <algorithm>

namespace {

QStandardItem *fixtureItem(const FixtureRow &row)
{
    auto *item = new QStandardItem;
    for (const auto &value : row.values)
        item->setData(value.second, value.first);
    for (const FixtureRow &child : row.children)
        item->appendRow(fixtureItem(child));
    return item;
}

// A standard item model that names its roles as a list model does.
class NamedRolesModel final : public QStandardItemModel
{
public:
    explicit NamedRolesModel(const QList<int> &roles)
    {
        QHash<int, QByteArray> names;
        for (int role : roles)
            names.insert(role, QByteArray("role") + QByteArray::number(role));
        setItemRoleNames(names);
    }
};

} // namespace

ReportRig::ReportRig(QWidget *window, int reportFormat)
    : m_page(window)
    , m_reports(reportFormat)
{
}

ReportRig::~ReportRig() = default;

QStringList ReportRig::usbFiles()
{
    return QDir(usbDirectory()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QByteArray ReportRig::readUsbFile(const QString &name)
{
    QFile file(QDir(usbDirectory()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SaveReport *ReportRig::report(const QList<QSharedPointer<PrintableModel>> &models, const QString &prefix)
{
    auto *save = new SaveReport(prefix, QStringLiteral("Zone list\r\nPanel 1"),
                                {{QStringLiteral("Site"), QStringLiteral("North")}}, nullptr, false);
    for (const auto &model : models)
        save->addModel(model);
    QObject::connect(save, &SaveReport::notifySuccess, save,
                     [this](const QString &path) { results << QStringLiteral("success ") + path; });
    QObject::connect(save, &SaveReport::notifyFailure, save,
                     [this](AUK_40048::eFailureType code) { results << QStringLiteral("failure %1").arg(code); });
    return save;
}

void ReportRig::run(SaveReport *report)
{
    QPointer<SaveReport> guard(report);
    report->start();
    runUntilGone({guard});
}

void ReportRig::runUntilGone(const QList<QPointer<SaveReport>> &reports)
{
    // Each turn runs every step due now; a save takes a bounded number of
    // them, so a save that never ends is caught by the bound.
    for (int turn = 0; turn < 100; ++turn) {
        m_clock.advance(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (std::all_of(reports.cbegin(), reports.cend(), [](const QPointer<SaveReport> &r) { return r.isNull(); }))
            return;
    }
}

QSharedPointer<QStandardItemModel> fixtureModel(const QList<FixtureRow> &rows, const QList<int> &roles)
{
    auto model = QSharedPointer<QStandardItemModel>(new NamedRolesModel(roles));
    for (const FixtureRow &row : rows)
        model->appendRow(fixtureItem(row));
    return model;
}

QSharedPointer<QStandardItemModel> columnModel(const QStringList &texts)
{
    QList<FixtureRow> rows;
    for (const QString &text : texts)
        rows << FixtureRow{{{58, text}}, {}};
    return fixtureModel(rows, {58});
}

QSharedPointer<PrintableModel> printable(const QSharedPointer<QStandardItemModel> &model, const QString &title,
                                         const QList<int> &roles, bool titleRow)
{
    auto result = QSharedPointer<PrintableModel>::create(model, titleRow);
    result->title = title;
    result->setRoles(roles);
    return result;
}
