#include "WidgetTest.h"
#include "core/TeskGlobalConfig.h"
#include "listscreens/RegionSelector.h"
#include "pointmodels/FilterModel.h"
#include "widgets/AUK_90015.h"
#include "widgets/AUK_90053.h"

#include <QButtonGroup>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A region selector of one address type, enabled as a screen enables it
// once the point type is chosen.
struct RegionPick
{
    FilterModel filters{nullptr, false};
    QButtonGroup group;
    RegionSelector selector{&filters, &group, nullptr};
    AUK_90015 *keypad = qobject_cast<AUK_90015 *>(selector.filterEditor());
    AUK_90053 *button = qobject_cast<AUK_90053 *>(selector.button());
    QSignalSpy values{&selector, &FilterSelector::valueChanged};

    RegionPick(int addressType, int pointType)
    {
        filters.pointType = pointType;
        selector.setAddressType(addressType);
        selector.reset(false);
        selector.activate();
    }
    void type(const QString &digits)
    {
        for (const QChar digit : digits)
            emit keypad->clicked(QString(digit));
    }
};

QString letter(int pointType)
{
    return QString(TeskGlobalConfig::instance()->getAddressTypeChar(pointType));
}

} // namespace

// The address of a point off the loops: the boxes of each address type, the
// point type's letter, and the node or region number stored on OK.
class tst_RegionSelector : public WidgetTest
{
    Q_OBJECT

private slots:
    void layoutOfEachAddressType_data()
    {
        QTest::addColumn<int>("addressType");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("box1Grey");
        QTest::addColumn<bool>("boxes2And4");
        QTest::newRow("local input/output") << 1 << "_LOCAL_IO_ABTN" << true << false;
        QTest::newRow("front-panel bus") << 2 << "_RBUS_ABTN" << false << true;
        QTest::newRow("network") << 3 << "_LNET_ABTN" << false << true;
        QTest::newRow("SBUS") << 4 << "_SBUS_ABTN" << false << true;
        QTest::newRow("not a loop") << 5 << "_NON_LOOP_ABTN" << false << true;
        QTest::newRow("unknown") << 9 << "" << false << true;
    }

    void layoutOfEachAddressType()
    {
        QFETCH(int, addressType);
        QFETCH(QString, label);
        QFETCH(bool, box1Grey);
        QFETCH(bool, boxes2And4);
        FilterModel filters(nullptr, false);
        RegionSelector selector(&filters, nullptr, nullptr);
        auto *button = qobject_cast<AUK_90053 *>(selector.button());
        // From the other layout, so that every box is seen changed.
        selector.setAddressType(addressType == 1 ? 2 : 1);
        selector.setAddressType(addressType);
        QCOMPARE(button->buttonLabel(), label);
        QCOMPARE(button->greyBox(0), box1Grey);
        QCOMPARE(button->fieldVisible(1), boxes2And4);
        QCOMPARE(button->fieldVisible(3), boxes2And4);
        // The template enables it when its turn comes.
        QVERIFY(!button->isEnabled());
    }

    void frontPanelBusRealPoint()
    {
        RegionPick pick(2, 0);
        QCOMPARE(pick.button->fieldValue(2), letter(0));
        QVERIFY(pick.button->greyBox(2));
        pick.type(QStringLiteral("07"));
        QCOMPARE(pick.button->fieldValue(2), letter(0));
        emit pick.keypad->ok();
        QCOMPARE(pick.filters.regionNumber, quint8(7));
        QCOMPARE(pick.values.count(), 3);
        QCOMPARE(pick.values.last().at(0).toInt(), 1);
    }

    void localInputOutput()
    {
        RegionPick pick(1, 3);
        pick.filters.regionNumber = 9;
        QCOMPARE(pick.button->fieldValue(0), letter(3));
        pick.type(QStringLiteral("5"));
        QVERIFY(!pick.selector.address().contains(letter(3)));
        QVERIFY(pick.selector.address().endsWith(QLatin1Char('5')));
        emit pick.keypad->ok();
        QCOMPARE(pick.filters.regionNumber, quint8(0));
    }

    void unknownPointType()
    {
        RegionPick local(1, 7);
        QCOMPARE(local.button->fieldValue(0), QStringLiteral("?"));
        RegionPick bus(2, 7);
        QCOMPARE(bus.button->fieldValue(2), QString());
        QVERIFY(!bus.button->greyBox(2));
    }

    void deleteEmptiesTheTypedBoxes()
    {
        RegionPick pick(2, 0);
        pick.type(QStringLiteral("12"));
        emit pick.keypad->del();
        QCOMPARE(pick.values.last().at(0).toInt(), 0);
        QCOMPARE(pick.button->fieldValue(0), QString());
        QCOMPARE(pick.button->fieldValue(1), QString());
        // The grey letter box keeps its letter.
        QCOMPARE(pick.button->fieldValue(2), letter(0));
    }
};

QTEST_MAIN(tst_RegionSelector)
#include "tst_regionselector.moc"
