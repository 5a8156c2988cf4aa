#include "NamedChild.h"
#include "PacketBytes.h"
#include "PageUnderPopups.h"
#include "SentPackets.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "paneldata/PointIndividualAddress.h"
#include "screens/popups/AUK_40009.h"
#include "widgets/AUK_90003.h"

#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

namespace {

enum Role : int { PanelRole = 33, ZoneRole = 34, PointRole = 65 };

struct Row
{
    QVariant panel;
    quint8 zone;
    quint8 point;
};

// A list as the event and status screens give it: panel, zone and point
// address of each row, the points on loop 1.
std::unique_ptr<QStandardItemModel> listOf(const QVector<Row> &rows)
{
    auto model = std::make_unique<QStandardItemModel>();
    for (const Row &row : rows) {
        auto *item = new QStandardItem(QStringLiteral("row"));
        item->setData(row.panel, PanelRole);
        item->setData(uint(row.zone), ZoneRole);
        item->setData(QVariant::fromValue(PointIndividualAddress(12, 1, 0, row.point)), PointRole);
        model->appendRow(item);
    }
    return model;
}

std::unique_ptr<QStandardItemModel> rowsOfPanels(const QVector<int> &panels)
{
    QVector<Row> rows;
    for (int i = 0; i < panels.size(); ++i)
        rows.append(Row{panels.at(i), 1, quint8(i + 1)});
    return listOf(rows);
}

QString topPage()
{
    return PageStack::instance()->pageNames().value(PageStack::instance()->count() - 1);
}

AUK_90003 *choice(const AUK_40009 *popup, const char *name)
{
    return namedChild<AUK_90003>(popup, name);
}

} // namespace

// The disable and enable selection popup: its 34 types, its count, the
// hand-back and self-acting modes and what each road sends.
class tst_DisableSelectionPopup : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_page;

    static AUK_40009 *pushed(int type, const QModelIndex &index, int count = -1, bool flag = true)
    {
        auto *popup = new AUK_40009(type, QPersistentModelIndex(index), flag, count, TC::eUnacceptedFaults, nullptr);
        PageStack::instance()->push(popup);
        return popup;
    }

private slots:
    void init()
    {
        TeskGlobalConfig::instance()->setConnectionNodeNumber(5);
        TeskGlobalConfig::instance()->setPacketHeaderLayout(0);
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
    }

    void cleanup() { m_page.reset(); }

    void typeTable_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("selectedText");
        QTest::addColumn<QString>("key");
        // Function and direction of the disable request; a signalling type
        // gives its status command as the function and no direction.
        QTest::addColumn<int>("function");
        QTest::addColumn<int>("direction");

        const QString point = QStringLiteral("_SELECTED_POINT_303_32_BODYTEXTSTYLE");
        const QString zone = QStringLiteral("_SELECTED_ZONE_303_32_BODYTEXTSTYLE");
        const QString panel = QStringLiteral("_SELECTED_PANEL_303_32_BODYTEXTSTYLE");
        const QString disable = QStringLiteral("_DISABLE_POPUPSK");
        const QString enable = QStringLiteral("_ENABLE_POPUPSK");
        struct Expected
        {
            const char *title;
            QString selected;
            QString key;
            int function;
            int direction;
        };
        const QVector<Expected> table{
            {"_FIRES_POPUPTITLE", point, enable, 0, 3},
            {"_FIRES_POPUPTITLE", point, disable, 1, 3},
            {"_FIRES_POPUPTITLE", zone, enable, 0, 3},
            {"_FIRES_POPUPTITLE", zone, disable, 1, 3},
            {"_GENERAL_FIRE_WARNINGS_POPUPTITLE", point, disable, 1, 3},
            {"_GENERAL_FAULTS_POPUPTITLE", point, disable, 1, 3},
            {"_GENERAL_DISABLES_POPUPTITLE", point, enable, 0, 3},
            {"_GENERAL_DISABLES_POPUPTITLE", zone, enable, 0, 3},
            {"_GENERAL_TEST_POPUPTITLE", point, disable, 1, 3},
            {"_PANEL_FIRE_WARNINGS_POPUPTITLE", point, disable, 1, 3},
            {"_PANEL_MAINS_POPUPTITLE", point, disable, 1, 3},
            {"_PANEL_SYSTEM_FAULT_POPUPTITLE", point, disable, 1, 3},
            {"_PANEL_DAYNIGHT_MODE_POPUPTITLE", point, disable, 1, 3},
            {"_SOUNDERS_ALL_POPUPTITLE", point, disable, 1, 2},
            {"_SOUNDERS_ACTIVE_POPUPTITLE", point, disable, 1, 2},
            {"_SOUNDERS_FAULTS_POPUPTITLE", point, disable, 1, 2},
            {"_SOUNDERS_DISABLES_POPUPTITLE", point, enable, 0, 2},
            {"_SIGNALLING_ALL_POPUPTITLE", panel, disable, 0, -1},
            {"_SIGNALLING_ACTIVE_POPUPTITLE", panel, disable, 0, -1},
            {"_SIGNALLING_FAULTS_POPUPTITLE", panel, disable, 0, -1},
            {"_SIGNALLING_DISABLES_POPUPTITLE", panel, enable, 3, -1},
            {"_PROTECTION_ALL_POPUPTITLE", point, disable, 1, 3},
            {"_PROTECTION_ACTIVE_POPUPTITLE", point, disable, 1, 3},
            {"_PROTECTION_FAULTS_POPUPTITLE", point, disable, 1, 3},
            {"_PROTECTION_DISABLES_POPUPTITLE", point, enable, 0, 3},
            {"_CONTROLS_ALL_POPUPTITLE", point, disable, 1, 2},
            {"_CONTROLS_ACTIVE_POPUPTITLE", point, disable, 1, 2},
            {"_CONTROLS_FAULTS_POPUPTITLE", point, disable, 1, 2},
            {"_CONTROLS_DISABLES_POPUPTITLE", point, enable, 0, 2},
            {"_ZONE_FIRE_WARNINGS_POPUPTITLE", point, disable, 1, 3},
            {"_DEVICE_DATES_POPUPTITLE", point, disable, 1, 3},
            {"_DEVICE_DATES_POPUPTITLE", point, disable, 1, 3},
            {"_DEVICE_DATES_POPUPTITLE", point, disable, 1, 3},
            {"_DEVICE_DATES_POPUPTITLE", point, disable, 1, 3},
            // Beyond the table: the form's texts, disabling points.
            {"_DISABLE_ON_POPUPTITLE", point, disable, 1, 3},
        };
        QCOMPARE(table.size(), AUK_40009::TypeCount + 1);
        for (int type = 0; type < table.size(); ++type) {
            const Expected &row = table.at(type);
            QTest::addRow("type %d", type)
                << type << QString::fromLatin1(row.title) << row.selected << row.key << row.function << row.direction;
        }
    }

    void typeTable()
    {
        QFETCH(int, type);
        QFETCH(QString, title);
        QFETCH(QString, selectedText);
        QFETCH(QString, key);
        QFETCH(int, function);
        QFETCH(int, direction);
        auto model = listOf({{4, 9, 21}});
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40009 *popup = pushed(type, model->index(0, 0));
        QCOMPARE(popup->title(), title);
        QCOMPARE(choice(popup, "selectedItem")->text(), selectedText);
        QVERIFY(choice(popup, "selectedItem")->isChecked());
        QCOMPARE(popup->leftButtonText(), key);
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));

        emit popup->leftButtonClicked();
        const QByteArrayList sent = lkSpeakSent(packets);
        QCOMPARE(sent.size(), 1);
        const QByteArray payload = lkSpeakPayload(sent.first());
        if (direction < 0) {
            QCOMPARE(topPage(), QStringLiteral("AUK_40008"));
            // The status update request for the selected row's panel, mode 8.
            QCOMPARE(payload.toHex(' '), QByteArray::number(function, 16).rightJustified(2, '0') + " 08 01 ff");
            return;
        }
        QCOMPARE(topPage(), QStringLiteral("AUK_40062"));
        const QVector<SentDisablement> requests = disablementsSent(packets);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.first().function, function);
        QCOMPARE(requests.first().direction, direction);
        QCOMPARE(requests.first().panel, 4);
        const bool zoneRoad = selectedText.contains(QLatin1String("ZONE"));
        QCOMPARE(quint8(payload.at(5)), quint8(zoneRoad ? 3 : 0));
    }

    void allLineCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a count given") << 7 << 3 << "_ALL_303_32_BODYTEXTSTYLE (7)";
        QTest::newRow("the model's rows") << -1 << 12 << "_ALL_303_32_BODYTEXTSTYLE (12)";
    }

    void allLineCount()
    {
        QFETCH(int, count);
        QFETCH(int, rows);
        QFETCH(QString, shown);
        auto model = rowsOfPanels(QVector<int>(rows, 1));
        AUK_40009 *popup = pushed(5, model->index(1, 0), count);
        QCOMPARE(choice(popup, "allItem")->text(), shown);
    }

    // With a count the choice goes back to the list screen, which replaces
    // the popup with its own progress popup.
    void handBack_data()
    {
        QTest::addColumn<bool>("all");
        QTest::newRow("selected item") << false;
        QTest::newRow("all items") << true;
    }

    void handBack()
    {
        QFETCH(bool, all);
        auto model = rowsOfPanels({1, 2, 3});
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40009 *popup = pushed(5, model->index(1, 0), 7);
        QSignalSpy chosen(popup, &AUK_40009::selectedItem);
        if (all)
            choice(popup, "allItem")->click();
        QCOMPARE(choice(popup, "selectedItem")->isChecked(), !all);
        emit popup->leftButtonClicked();
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().at(0).value<QPersistentModelIndex>(), QPersistentModelIndex(model->index(1, 0)));
        QCOMPARE(chosen.first().at(1).value<TC::eFaultsLevel>(), TC::eUnacceptedFaults);
        QCOMPARE(chosen.first().at(2).toBool(), !all);
        QVERIFY(lkSpeakSent(packets).isEmpty());
        QCOMPARE(topPage(), QStringLiteral("AUK_40009"));
    }

    void cancelSendsNothing()
    {
        auto model = rowsOfPanels({1});
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40009 *popup = pushed(1, model->index(0, 0));
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
        QVERIFY(lkSpeakSent(packets).isEmpty());
    }

    // The list of disablements enables every point although its road is
    // the disable one.
    void disablementsListEnablesAll()
    {
        auto model = rowsOfPanels({3, 3, 3});
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40009 *popup = pushed(6, model->index(0, 0));
        choice(popup, "allItem")->click();
        emit popup->leftButtonClicked();
        const QVector<SentDisablement> requests = disablementsSent(packets);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.first().function, 0);
        QCOMPARE(requests.first().panel, 3);
        QCOMPARE(requests.first().entries, 3);
        QCOMPARE(labelText(PageStack::instance(), "pendingCount"), QStringLiteral("0003"));
    }

    // Points of panels 5, 2, 5: one list per panel, the lower panel first.
    void oneListPerPanel()
    {
        auto model = rowsOfPanels({5, 2, 5});
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40009 *popup = pushed(1, model->index(0, 0));
        choice(popup, "allItem")->click();
        emit popup->leftButtonClicked();
        QCOMPARE(pointsByPanel(disablementsSent(packets)), QStringLiteral("2:1 5:2"));
    }

    void zoneWildcard_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QByteArray>("channel");
        // Every address of the channel travels as 31 in layout 0's numerical
        // form, as 255 in layout 1.
        QTest::newRow("header layout 0") << 0 << QByteArray("f7 1f");
        QTest::newRow("header layout 1") << 600 << QByteArray("f7 ff");
    }

    // The selected zone as one wildcard: its panel and zone, and a zone map
    // of 31 bytes with only the first bit set.
    void zoneWildcard()
    {
        QFETCH(int, layout);
        QFETCH(QByteArray, channel);
        TeskGlobalConfig::instance()->setPacketHeaderLayout(layout);
        auto model = listOf({{2, 9, 1}, {6, 4, 2}});
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40009 *popup = pushed(3, model->index(0, 0));
        emit popup->leftButtonClicked();
        const QByteArrayList sent = lkSpeakSent(packets);
        QCOMPARE(sent.size(), 1);
        const QByteArray expected =
            hex((QByteArray("64 04 01 03 01 03 02 ") + channel + " ff 7f 00 00 fc 09 f1 01").constData())
            + QByteArray(30, '\0');
        QCOMPARE(lkSpeakPayload(sent.first()).toHex(' '), expected.toHex(' '));
    }

    // Rows without a panel name no zone: they are left out, not sent for
    // panel 0.
    void zoneRoadSkipsRowsWithoutPanel()
    {
        auto model = listOf({{QVariant(), 4, 1}, {6, 4, 2}, {QStringLiteral("-"), 5, 3}});
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40009 *popup = pushed(2, model->index(1, 0));
        choice(popup, "allItem")->click();
        emit popup->leftButtonClicked();
        const QByteArrayList sent = lkSpeakSent(packets);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(quint8(lkSpeakPayload(sent.first()).at(6)), quint8(6));
    }

    void signallingAllPanels()
    {
        auto model = rowsOfPanels({3});
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40009 *popup = pushed(18, model->index(0, 0), -1, false);
        choice(popup, "allItem")->click();
        emit popup->leftButtonClicked();
        const QByteArrayList sent = lkSpeakSent(packets);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(lkSpeakPayload(sent.first()).toHex(' '), QByteArray("00 09 01 ff"));
        // Addressed to every panel.
        QCOMPARE(quint8(sent.first().at(4)), quint8(255));
        QCOMPARE(topPage(), QStringLiteral("AUK_40008"));
        QCOMPARE(labelText(PageStack::instance(), "pendingCount"), QStringLiteral("0000"));
        QCOMPARE(labelText(PageStack::instance(), "taskCount"), QStringLiteral("0001"));
        auto *progress = PageStack::instance()->findChild<BasePopup *>(QStringLiteral("AUK_40008"));
        QCOMPARE(progress->rightButtonText(), QStringLiteral("_CLOSE_POPUPSK"));
        emit progress->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    // The list's model gone while the popup was open: OK closes it and
    // sends nothing.
    void modelGoneSendsNothing_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("point road") << 1;
        QTest::newRow("zone road") << 3;
        QTest::newRow("signalling road") << 17;
    }

    void modelGoneSendsNothing()
    {
        QFETCH(int, type);
        auto model = rowsOfPanels({1, 2});
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40009 *popup = pushed(type, model->index(0, 0));
        model.reset();
        emit popup->leftButtonClicked();
        QVERIFY(lkSpeakSent(packets).isEmpty());
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    // The selected row removed: the progress popup opens with nothing sent.
    void selectedRowGone()
    {
        auto model = rowsOfPanels({1, 2});
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40009 *popup = pushed(1, model->index(0, 0));
        model->removeRow(0);
        emit popup->leftButtonClicked();
        QVERIFY(lkSpeakSent(packets).isEmpty());
        QCOMPARE(topPage(), QStringLiteral("AUK_40062"));
    }

    void screenshots_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::newRow("point") << 1 << "AUK_40009_point";
        QTest::newRow("zone") << 3 << "AUK_40009_zone";
        QTest::newRow("panel") << 18 << "AUK_40009_panel";
    }

    void screenshots()
    {
        QFETCH(int, type);
        QFETCH(QString, name);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        auto model = rowsOfPanels(QVector<int>(12, 1));
        pushed(type, model->index(0, 0));
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        WidgetShot::saveForReview(WidgetShot::grab(PageStack::instance()), name);
    }
};

QTEST_MAIN(tst_DisableSelectionPopup)
#include "tst_disableselectionpopup.moc"
