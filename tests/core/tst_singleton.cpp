#include "core/SC_Singleton.h"

#include <QObject>
#include <QtTest>

#include <memory>

namespace {

// Counts its constructions and destructions, so a test sees when the
// template makes or ends one.
class Probe final : public SC_Singleton<Probe>
{
public:
    static inline int made = 0;
    static inline int ended = 0;

    ~Probe() { ++ended; }

private:
    friend class SC_Singleton<Probe>;

    Probe() { ++made; }
};

// A QObject singleton with a public constructor: the instance may be owned
// by a parent, and a test may build its own.
class OwnedProbe final
    : public QObject
    , public SC_Singleton<OwnedProbe>
{
};

} // namespace

class tst_SC_Singleton : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void instanceIsMadeOnce();
    void destroyInstanceGivesAFreshOne();
    void endingTheInstanceClearsIt_data();
    void endingTheInstanceClearsIt();
    void anotherObjectLeavesTheInstance();
};

void tst_SC_Singleton::init()
{
    Probe::made = 0;
    Probe::ended = 0;
}

void tst_SC_Singleton::cleanup()
{
    Probe::destroyInstance();
    OwnedProbe::destroyInstance();
}

void tst_SC_Singleton::instanceIsMadeOnce()
{
    QCOMPARE(Probe::existingInstance(), nullptr);
    QCOMPARE(Probe::made, 0);

    Probe *first = Probe::instance();
    QVERIFY(first);
    QCOMPARE(Probe::instance(), first);
    QCOMPARE(Probe::existingInstance(), first);
    QCOMPARE(Probe::made, 1);
    QCOMPARE(Probe::ended, 0);
    // Each class has an instance of its own.
    QCOMPARE(OwnedProbe::existingInstance(), nullptr);
}

void tst_SC_Singleton::destroyInstanceGivesAFreshOne()
{
    Probe::instance();
    Probe::destroyInstance();
    QCOMPARE(Probe::ended, 1);
    QCOMPARE(Probe::existingInstance(), nullptr);

    Probe *fresh = Probe::instance();
    QVERIFY(fresh);
    QCOMPARE(Probe::made, 2);
    QCOMPARE(Probe::existingInstance(), fresh);

    // Destroying when there is none is harmless and makes none.
    Probe::destroyInstance();
    Probe::destroyInstance();
    QCOMPARE(Probe::ended, 2);
    QCOMPARE(Probe::made, 2);
    QCOMPARE(Probe::existingInstance(), nullptr);
}

void tst_SC_Singleton::endingTheInstanceClearsIt_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("deleted directly") << QStringLiteral("delete");
    QTest::newRow("deleted with its parent") << QStringLiteral("parent");
    QTest::newRow("destroyInstance") << QStringLiteral("destroyInstance");
}

void tst_SC_Singleton::endingTheInstanceClearsIt()
{
    QFETCH(QString, how);
    auto parent = std::make_unique<QObject>();
    OwnedProbe *dead = OwnedProbe::instance();
    dead->setParent(parent.get());
    QPointer<OwnedProbe> watch(dead);

    if (how == QLatin1String("delete"))
        delete dead;
    else if (how == QLatin1String("parent"))
        parent.reset();
    else
        OwnedProbe::destroyInstance();

    QVERIFY(watch.isNull());
    QCOMPARE(OwnedProbe::existingInstance(), nullptr);
    OwnedProbe *fresh = OwnedProbe::instance();
    QVERIFY(fresh);
    QCOMPARE(fresh->parent(), nullptr);
    QCOMPARE(OwnedProbe::existingInstance(), fresh);
}

void tst_SC_Singleton::anotherObjectLeavesTheInstance()
{
    OwnedProbe *instance = OwnedProbe::instance();
    {
        OwnedProbe own;
        QVERIFY(&own != instance);
        QCOMPARE(OwnedProbe::instance(), instance);
    }
    QCOMPARE(OwnedProbe::existingInstance(), instance);
}

QTEST_GUILESS_MAIN(tst_SC_Singleton)
#include "tst_singleton.moc"
