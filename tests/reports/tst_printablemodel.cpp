#include "reports/PrintableModel.h"
#include "widgets/RolesDelegate.h"

#include <QAbstractListModel>
#include <QtTest>

namespace {

// A list that names its roles in the order given, as a list model builds
// its table.
class NamedRoles final : public QAbstractListModel
{
public:
    explicit NamedRoles(const QList<int> &roles)
    {
        for (int role : roles)
            m_names.insert(role, QByteArray("r") + QByteArray::number(role));
    }
    int rowCount(const QModelIndex &) const override { return 0; }
    QVariant data(const QModelIndex &, int) const override { return {}; }
    QHash<int, QByteArray> roleNames() const override { return m_names; }

private:
    QHash<int, QByteArray> m_names;
};

PrintableModel over(const QList<int> &namedRoles)
{
    return PrintableModel(QSharedPointer<QAbstractItemModel>(new NamedRoles(namedRoles)), true);
}

} // namespace

// Which roles a saved list prints, in which order and under which titles.
class tst_PrintableModel : public QObject
{
    Q_OBJECT

private slots:
    void defaultOrder_data()
    {
        QTest::addColumn<QList<int>>("named");
        QTest::addColumn<QList<int>>("columns");
        QTest::newRow("equal remainders in the order named")
            << QList<int>{62, 180, 177, 61, 178, 179} << QList<int>{177, 178, 179, 180, 61, 62};
        QTest::newRow("by remainder") << QList<int>{58, 59, 60, 62, 108} << QList<int>{108, 58, 59, 60, 62};
        QTest::newRow("no roles named") << QList<int>{} << QList<int>{};
    }

    // Whatever order the hash of role names iterates in this run.
    void defaultOrder()
    {
        QFETCH(QList<int>, named);
        QFETCH(QList<int>, columns);
        QCOMPARE(over(named).roles(), columns);
    }

    void chosenRoles()
    {
        PrintableModel model = over({58, 59});
        model.setRoles(QList<int>{59, 300});
        QCOMPARE(model.roles(), (QList<int>{59, 300}));
        model.setRoles(QVector<int>{7, 3});
        QCOMPARE(model.roles(), (QList<int>{7, 3}));
        // An empty choice is no choice.
        model.setRoles(QList<int>{});
        QCOMPARE(model.roles(), (QList<int>{58, 59}));
    }

    void roleTitles()
    {
        PrintableModel model = over({});
        const int titledRole = 58;
        QVERIFY(!RolesDelegate::roleTitle(titledRole).isEmpty());
        QCOMPARE(model.roleTitle(titledRole), RolesDelegate::roleTitle(titledRole));
        QCOMPARE(model.roleTitle(100000), QString());
        model.setRoleTitle(titledRole, QStringLiteral("Point"));
        QCOMPARE(model.roleTitle(titledRole), QStringLiteral("Point"));
        model.setRoleTitle(titledRole, QStringLiteral("Device"));
        QCOMPARE(model.roleTitle(titledRole), QStringLiteral("Device"));
        QCOMPARE(model.roleTitle(59), RolesDelegate::roleTitle(59));
    }
};

QTEST_MAIN(tst_PrintableModel)
#include "tst_printablemodel.moc"
