#include "PageUnderPopups.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "core/BucketMaster.h"
#include "screens/popups/AUK_40029.h"
#include "screens/popups/AUK_40053.h"
#include "widgets/AUK_90003.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int CommissioningBucket = 27;
constexpr quint8 Panel = 3;

// The form's label of that name: the popup frame names its own image
// "label" too, and the form's come after the frame's.
template <typename Popup> QLabel *label(const Popup *popup, const char *name)
{
    const QList<QLabel *> found = popup->template findChildren<QLabel *>(QLatin1String(name));
    if (found.isEmpty())
        qFatal("no label %s", name);
    return found.last();
}

// The panel's commissioning page arrives with the re-enable timer; no value
// leaves the key out.
void commissioningPage(const QVariant &timer, quint8 panel = Panel)
{
    BucketMaster *store = BucketMaster::instance();
    const QString key = QStringLiteral("%1|optReEnbleTmr").arg(panel);
    store->receiveSyncCommand({BucketCmd::RemoveKeysWithPrefix, CommissioningBucket, key, QString()});
    if (timer.isValid())
        store->receiveSyncCommand({BucketCmd::SetValue, CommissioningBucket, key, timer.toString()});
    store->receiveSyncCommand({BucketCmd::PageUpdated, CommissioningBucket, QString(), QString()});
}

} // namespace

// The commissioning wait popup and the non-LED outputs options: texts,
// option codes and the isolation's time left.
class tst_CommissioningPopups : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_page;

    template <typename Popup, typename... Args> QPointer<Popup> pushed(Args... args)
    {
        QPointer<Popup> popup = new Popup(args..., nullptr);
        PageStack::instance()->push(popup);
        return popup;
    }

private slots:
    void init()
    {
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        BucketMaster::instance()->clear(CommissioningBucket);
    }

    void cleanup() { m_page.reset(); }

    void waitPopupAsBuilt()
    {
        QPointer<AUK_40029> popup = pushed<AUK_40029>();
        QCOMPARE(popup->objectName(), QStringLiteral("AUK_40029"));
        QCOMPARE(popup->title(), QStringLiteral("_SIMPLE_COMMISSIONING_POPUPTITLE"));
        QCOMPARE(popup->progressText(), QStringLiteral("_WAITING_FOR_OPERATION_POPUPTEXT5INFO"));
        QVERIFY(!popup->leftButtonVisible());
        QVERIFY(popup->rightButtonVisible());
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));
        const QLabel *text = label(popup.data(), "label");
        QCOMPARE(text->geometry(), QRect(134, 126, 370, 100));
        QCOMPARE(text->alignment(), Qt::AlignCenter);
        QVERIFY(text->wordWrap());
        QVERIFY(!text->font().bold());
        QCOMPARE(text->font().pixelSize(), 15);
    }

    void waitMessages_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << "_LOOP_SHUTTING_DOWN_POPUPTEXT5INFO";
        QTest::newRow("2") << 2 << "_POLL_255_PROGRESS_POPUPTEXT5INFO";
        QTest::newRow("3") << 3 << "_WAITING_FOR_OPERATION_POPUPTEXT5INFO";
        QTest::newRow("4") << 4 << "_WAITING_FOR_PANEL_RESPONSE_PROGRESS_POPUPTEXT5INFO";
        QTest::newRow("0 clears") << 0 << "";
        QTest::newRow("5 clears") << 5 << "";
        QTest::newRow("-1 clears") << -1 << "";
    }

    void waitMessages()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QPointer<AUK_40029> popup = pushed<AUK_40029>();
        popup->setMessage(1);
        popup->setMessage(id);
        QCOMPARE(label(popup.data(), "label")->text(), text);
    }

    void progressTextByProperty()
    {
        QPointer<AUK_40029> popup = pushed<AUK_40029>();
        QVERIFY(popup->setProperty("progressText", QStringLiteral("Loop 2")));
        QCOMPARE(label(popup.data(), "label")->text(), QStringLiteral("Loop 2"));
        QCOMPARE(popup->property("progressText").toString(), QStringLiteral("Loop 2"));
    }

    void optionsAsBuilt()
    {
        QPointer<AUK_40053> popup = pushed<AUK_40053>(Panel);
        QCOMPARE(popup->objectName(), QStringLiteral("AUK_40053"));
        QCOMPARE(popup->title(), QStringLiteral("_NON_LED_OUTPUTS_POPUPTITLE"));
        QCOMPARE(popup->leftButtonText(), QStringLiteral("_OK_POPUPSK"));
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));
        const QLabel *secondary = label(popup.data(), "secondaryTitle");
        QCOMPARE(secondary->text(), QStringLiteral("_NON_LED_OUTPUTS_POPUPTITLE"));
        QCOMPARE(secondary->geometry(), QRect(140, 66, 368, 50));
        QVERIFY(secondary->font().bold());
        const struct
        {
            const char *name;
            int y;
            const char *text;
        } items[] = {{"isolateItem", 141, "_ISOLATE_ALL_NON_LED_OUTPUTS_POPUPITEM"},
                     {"extendItem", 191, "_EXTEND_TIMEOUT_POPUPITEM"},
                     {"enableItem", 241, "_DEISOLATE_ALL_NON_LED_OUTPUTS_POPUPITEM"},
                     {"enableNonActiveItem", 291, "_DEISOLATE_NON_ACTIVE_NON_LED_OUTPUTS_POPUPITEM"}};
        for (const auto &item : items) {
            const auto *radio = popup->findChild<AUK_90003 *>(QLatin1String(item.name));
            QVERIFY2(radio, item.name);
            QCOMPARE(radio->geometry(), QRect(140, item.y, 360, 32));
            QCOMPARE(radio->text(), QLatin1String(item.text));
            QCOMPARE(radio->isChecked(), item.y == 141);
        }
    }

    void optionCodes_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("code");
        QTest::newRow("isolate all, as built") << "" << 0;
        QTest::newRow("extend the time-out") << "extendItem" << 3;
        QTest::newRow("de-isolate all") << "enableItem" << 1;
        QTest::newRow("de-isolate the non-active") << "enableNonActiveItem" << 2;
        QTest::newRow("isolate all, chosen again") << "isolateItem" << 0;
        QTest::newRow("none chosen") << "none" << 5;
    }

    // OK sends the code of the checked item and leaves the popup to the
    // receiver, which closes it.
    void optionCodes()
    {
        QFETCH(QString, chosen);
        QFETCH(int, code);
        QPointer<AUK_40053> popup = pushed<AUK_40053>(Panel);
        QSignalSpy selected(popup.data(), &AUK_40053::commandSelected);
        if (chosen == QLatin1String("none")) {
            for (AUK_90003 *item : popup->findChildren<AUK_90003 *>()) {
                item->setAutoExclusive(false);
                item->setChecked(false);
            }
        } else if (!chosen.isEmpty()) {
            // Another item first, so that the one chosen is a change.
            popup->findChild<AUK_90003 *>(QStringLiteral("extendItem"))->click();
            QTest::mouseClick(popup->findChild<AUK_90003 *>(chosen), Qt::LeftButton);
        }
        emit popup->leftButtonClicked();
        QCOMPARE(selected.count(), 1);
        QCOMPARE(int(selected.first().first().value<LkSpeak::ePointManagerServicesControlID>()), code);
        QVERIFY(PageStack::instance()->isTop(popup));
    }

    void cancelCloses()
    {
        QPointer<AUK_40053> popup = pushed<AUK_40053>(Panel);
        QSignalSpy selected(popup.data(), &AUK_40053::commandSelected);
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
        QVERIFY(!PageStack::instance()->containsPage(QStringLiteral("AUK_40053")));
        QCOMPARE(selected.count(), 0);
    }

    void timeLeft_data()
    {
        QTest::addColumn<QVariant>("timer");
        QTest::addColumn<QString>("shown");
        const QString invalid = QStringLiteral("_TIMEOUT_IN_POPUPTITLE: _INVALID_INFOTEXT");
        QTest::newRow("3661") << QVariant(3661) << "_TIMEOUT_IN_POPUPTITLE: 01:01:01";
        QTest::newRow("7200, the longest") << QVariant(7200) << "_TIMEOUT_IN_POPUPTITLE: 02:00:00";
        QTest::newRow("0") << QVariant(0) << "_TIMEOUT_IN_POPUPTITLE: 00:00:00";
        QTest::newRow("7201") << QVariant(7201) << invalid;
        QTest::newRow("empty") << QVariant(QString()) << invalid;
        QTest::newRow("no value") << QVariant() << invalid;
        QTest::newRow("text") << QVariant(QStringLiteral("soon")) << invalid;
        QTest::newRow("negative") << QVariant(-1) << invalid;
        QTest::newRow("an hour negative") << QVariant(-3600) << invalid;
    }

    // The section title stands until the panel's commissioning page comes;
    // every page then rewrites the time left.
    void timeLeft()
    {
        QFETCH(QVariant, timer);
        QFETCH(QString, shown);
        QPointer<AUK_40053> popup = pushed<AUK_40053>(Panel);
        const QLabel *secondary = label(popup.data(), "secondaryTitle");
        QCOMPARE(secondary->text(), QStringLiteral("_NON_LED_OUTPUTS_POPUPTITLE"));
        commissioningPage(QVariant(100), Panel + 1);
        commissioningPage(timer);
        QCOMPARE(secondary->text(), shown);
        commissioningPage(QVariant(59));
        QCOMPARE(secondary->text(), QStringLiteral("_TIMEOUT_IN_POPUPTITLE: 00:00:59"));
    }

    void screenshots_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("wait") << "AUK_40029";
        QTest::newRow("options") << "AUK_40053";
    }

    void screenshots()
    {
        QFETCH(QString, name);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        // The page beneath writes its date in the language it is built in.
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        QRect text;
        if (name == QLatin1String("AUK_40029")) {
            pushed<AUK_40029>()->setMessage(4);
            text = QRect(134, 36 + 126, 370, 100);
        } else {
            pushed<AUK_40053>(Panel);
            commissioningPage(QVariant(3661));
            text = QRect(140, 36 + 66, 368, 50);
        }
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        const QImage image = WidgetShot::grab(PageStack::instance());
        WidgetShot::saveForReview(image, name);
        QVERIFY(WidgetShot::fractionNear(image, text, WidgetShot::colourAt(image, text.topLeft())) < 0.99);
    }
};

QTEST_MAIN(tst_CommissioningPopups)
#include "tst_commissioningpopups.moc"
