#include "FakeClock.h"
#include "NamedChild.h"
#include "PageUnderPopups.h"
#include "SentPackets.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "core/TeskGlobalConfig.h"
#include "link/SyncClient.h"
#include "screens/popups/AUK_40062.h"
#include "widgets/AUK_90001A.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

SC_PointsIndividual points(int count)
{
    SC_PointsIndividual list;
    list.setPanel(1);
    for (int i = 0; i < count; ++i)
        list.addPoint(12, 1, 0, quint8(i + 1));
    return list;
}

QString counts(const AUK_40062 *popup)
{
    return QStringList{labelText(popup, "pendingCount"), labelText(popup, "completeCount"),
                       labelText(popup, "deferredPendingCount"), labelText(popup, "deferredCount")}
        .join(QLatin1Char(' '));
}

bool adviceShown(const AUK_40062 *popup)
{
    return namedChild<QLabel>(popup, "deferredAdviceText")->isVisibleTo(popup);
}

// The names of the popup's own labels and lines that are shown.
QStringList shownParts(const AUK_40062 *popup)
{
    QStringList shown;
    for (const QWidget *child : popup->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString name = child->objectName();
        const bool part = name.startsWith(QLatin1String("line_")) || name.endsWith(QLatin1String("Text"))
                          || name.endsWith(QLatin1String("Count")) || name == QLatin1String("waitingLabel");
        if (part && child->isVisibleTo(popup))
            shown << name;
    }
    shown.sort();
    return shown;
}

} // namespace

enum OwnerEnding { Refresh, RefreshBeforeClose, OwnerDestroyed, OwnerGoneBeforeClose, Silent, NoSignal };

// A screen that lists disabled points and says when it has shown them anew.
class RefreshingOwner final : public QObject
{
    Q_OBJECT

signals:
    void disablementsRefreshed();
};

// The disable and enable progress popup on scripted controller replies.
class tst_DisableProgressPopup : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_page;

    AUK_40062 *pushed(int function, bool popScreen = false, QObject *owner = nullptr)
    {
        auto *popup = new AUK_40062(function, popScreen, owner, nullptr);
        PageStack::instance()->push(popup);
        return popup;
    }

    // The sequence number of the request the popup sent last.
    static quint8 lastSequence(const QSignalSpy &sent) { return sent.last().at(0).value<quint8>(); }

private slots:
    void init()
    {
        TeskGlobalConfig::instance()->setConnectionNodeNumber(5);
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
    }

    void cleanup() { m_page.reset(); }

    void belowLevelFiveCountsAtOnce_data()
    {
        QTest::addColumn<bool>("popScreen");
        QTest::newRow("popup only") << false;
        QTest::newRow("and the screen beneath") << true;
    }

    void belowLevelFiveCountsAtOnce()
    {
        QFETCH(bool, popScreen);
        TeskGlobalConfig::instance()->setConnectionNodeNumber(4);
        PageStack::instance()->push(new AUK_90001A);
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40062 *popup = pushed(DISABLEMENT_DISABLE, popScreen);
        popup->sendPoints(3, points(12));
        QCOMPARE(lkSpeakSent(packets).size(), 1);
        QCOMPARE(counts(popup), QStringLiteral("0000 0012 0000 0000"));
        QVERIFY(!adviceShown(popup));
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CLOSE_POPUPSK"));
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), popScreen ? 1 : 2);
    }

    void emptyListSendsNothing()
    {
        QSignalSpy packets(SyncClient::instance(), &SyncClient::SendPacket);
        AUK_40062 *popup = pushed(DISABLEMENT_DISABLE);
        popup->sendPoints(3, points(0));
        QVERIFY(lkSpeakSent(packets).isEmpty());
        QCOMPARE(counts(popup), QStringLiteral("0000 0000 0000 0000"));
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    void deferredRoad()
    {
        QSignalSpy sent(SyncClient::instance(), &SyncClient::disablementSent);
        AUK_40062 *popup = pushed(DISABLEMENT_DISABLE);
        popup->sendPoints(3, points(12));
        QCOMPARE(sent.count(), 1);
        QCOMPARE(counts(popup), QStringLiteral("0012 0000 0000 0000"));
        QCOMPARE(labelText(popup, "deferredAdviceText"), QStringLiteral("_NONE_DISABLED_365_110_INFOTEXT"));
        emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 99, 10, 2);
        QCOMPARE(counts(popup), QStringLiteral("0000 0010 0002 0000"));
        QCOMPARE(labelText(popup, "deferredAdviceText"), QStringLiteral("_DEFERRED_OPTIONS_365_110_INFOTEXT"));
        QVERIFY(popup->leftButtonVisible());
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));

        emit popup->leftButtonClicked();
        QCOMPARE(sent.count(), 2);
        QCOMPARE(sent.last().at(2).value<DisablementFunctionID>(), DISABLEMENT_DEFERRED_2);
        QVERIFY(!popup->leftButtonVisible());
        QVERIFY(!adviceShown(popup));
        emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 0, 2, 0);
        QCOMPARE(counts(popup), QStringLiteral("0000 0010 0000 0002"));
        QCOMPARE(labelText(popup, "deferredAdviceText"), QStringLiteral("_DEFERRED_COMPLETE_365_110_INFOTEXT"));
        QVERIFY(adviceShown(popup));
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CLOSE_POPUPSK"));
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    // The deferred option sends every list again, each with its points.
    void deferredResendsEveryList()
    {
        QSignalSpy sent(SyncClient::instance(), &SyncClient::disablementSent);
        AUK_40062 *popup = pushed(DISABLEMENT_DISABLE);
        popup->sendPoints(3, points(4));
        const quint8 first = lastSequence(sent);
        SC_PointsIndividual other = points(6);
        other.setPanel(2);
        popup->sendPoints(3, other);
        emit SyncClient::instance()->PointCommandReply(first, 99, 3, 1);
        emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 99, 4, 2);
        QCOMPARE(counts(popup), QStringLiteral("0000 0007 0003 0000"));
        emit popup->leftButtonClicked();
        QCOMPARE(sent.count(), 4);
        for (int resent : {2, 3})
            QCOMPARE(sent.at(resent).at(2).value<DisablementFunctionID>(), DISABLEMENT_DEFERRED_2);
        QCOMPARE(sent.at(2).at(1).value<quint16>(), quint16(4));
        QCOMPARE(sent.at(3).at(1).value<quint16>(), quint16(6));
    }

    void nothingDoneKeepsItsAdvice()
    {
        QSignalSpy sent(SyncClient::instance(), &SyncClient::disablementSent);
        AUK_40062 *popup = pushed(DISABLEMENT_ENABLE);
        popup->sendPoints(3, points(3));
        emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 0, 0, 0);
        QCOMPARE(labelText(popup, "deferredAdviceText"), QStringLiteral("_NONE_ENABLED_365_110_INFOTEXT"));
        QVERIFY(adviceShown(popup));
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CLOSE_POPUPSK"));
    }

    void unknownSequenceIgnored()
    {
        QSignalSpy sent(SyncClient::instance(), &SyncClient::disablementSent);
        AUK_40062 *popup = pushed(DISABLEMENT_DISABLE);
        popup->sendPoints(3, points(4));
        emit SyncClient::instance()->PointCommandReply(quint8(lastSequence(sent) + 7), 0, 4, 0);
        QCOMPARE(counts(popup), QStringLiteral("0004 0000 0000 0000"));
    }

    // A repeated reply counts once and no count wraps below nothing, so the
    // right key still reaches Close and closes the popup once.
    void repeatedRepliesCountOnce()
    {
        QSignalSpy sent(SyncClient::instance(), &SyncClient::disablementSent);
        AUK_40062 *popup = pushed(DISABLEMENT_DISABLE);
        popup->sendPoints(3, points(2));
        popup->sendPoints(3, points(3));
        QCOMPARE(sent.count(), 2);
        const quint8 first = sent.first().at(0).value<quint8>();
        emit SyncClient::instance()->PointCommandReply(first, 0, 2, 0);
        emit SyncClient::instance()->PointCommandReply(first, 0, 2, 0);
        QCOMPARE(counts(popup), QStringLiteral("0003 0002 0000 0000"));
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));
        emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 0, 3, 0);
        emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 0, 3, 0);
        QCOMPARE(counts(popup), QStringLiteral("0000 0005 0000 0000"));
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CLOSE_POPUPSK"));
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    // More deferred points reported done than were deferred: the count
    // stops at nothing and Close comes.
    void deferredCountFloorsAtNothing()
    {
        QSignalSpy sent(SyncClient::instance(), &SyncClient::disablementSent);
        AUK_40062 *popup = pushed(DISABLEMENT_DISABLE);
        popup->sendPoints(3, points(4));
        emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 0, 3, 1);
        emit popup->leftButtonClicked();
        emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 0, 5, 0);
        QCOMPARE(counts(popup), QStringLiteral("0000 0003 0000 0005"));
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CLOSE_POPUPSK"));
    }

    void closeSwitchesOnce()
    {
        QSignalSpy sent(SyncClient::instance(), &SyncClient::disablementSent);
        PageStack::instance()->push(new AUK_90001A);
        AUK_40062 *popup = pushed(DISABLEMENT_DISABLE, false);
        popup->sendPoints(3, points(1));
        popup->sendPoints(3, points(1));
        emit SyncClient::instance()->PointCommandReply(sent.first().at(0).value<quint8>(), 0, 1, 0);
        emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 0, 1, 0);
        QCOMPARE(PageStack::instance()->count(), 3);
        emit popup->rightButtonClicked();
        // One press pops the popup alone, not the page beneath too.
        QCOMPARE(PageStack::instance()->count(), 2);
    }

    // An owner keeps the popup up after Close, showing only the waiting text,
    // until it has refreshed its list; it cannot hold it for ever.
    void ownerWait_data()
    {
        QTest::addColumn<int>("ending");
        QTest::addColumn<bool>("waitsFirst");
        QTest::newRow("the owner's first refresh") << int(Refresh) << true;
        QTest::newRow("a refresh before Close") << int(RefreshBeforeClose) << false;
        QTest::newRow("the owner destroyed while waiting") << int(OwnerDestroyed) << true;
        QTest::newRow("the owner gone before Close") << int(OwnerGoneBeforeClose) << false;
        QTest::newRow("a silent owner, after the time-out") << int(Silent) << true;
        QTest::newRow("an owner without the signal, after the time-out") << int(NoSignal) << true;
    }

    void ownerWait()
    {
        QFETCH(int, ending);
        QFETCH(bool, waitsFirst);
        FakeClock clock;
        std::unique_ptr<QObject> owner(ending == NoSignal ? new QObject : new RefreshingOwner);
        auto *refreshing = qobject_cast<RefreshingOwner *>(owner.get());
        QSignalSpy sent(SyncClient::instance(), &SyncClient::disablementSent);
        QPointer<AUK_40062> popup = pushed(DISABLEMENT_ENABLE, false, owner.get());
        popup->sendPoints(3, points(2));
        emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 0, 2, 0);
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CLOSE_POPUPSK"));
        if (ending == RefreshBeforeClose)
            emit refreshing->disablementsRefreshed();
        if (ending == OwnerGoneBeforeClose)
            owner.reset();

        emit popup->rightButtonClicked();
        if (!waitsFirst) {
            QCOMPARE(PageStack::instance()->count(), 1);
            return;
        }
        QCOMPARE(PageStack::instance()->count(), 2);
        QCOMPARE(shownParts(popup), (QStringList{"line_3", "waitingLabel"}));
        QCOMPARE(labelText(popup, "waitingLabel"), QStringLiteral("_WAIT_FOR_ENABLING_POPUPTEXT2INFO"));
        QVERIFY(!popup->rightButtonVisible());
        QVERIFY(!popup->leftButtonVisible());
        // A second press of a hidden key changes nothing.
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 2);

        switch (ending) {
        case Refresh:
            emit refreshing->disablementsRefreshed();
            break;
        case OwnerDestroyed:
            owner.reset();
            break;
        default:
            clock.advance(AUK_40062::OwnerWaitMilliseconds - 1);
            QCOMPARE(PageStack::instance()->count(), 2);
            clock.advance(1);
            break;
        }
        QCOMPARE(PageStack::instance()->count(), 1);
        // Whatever comes later pops nothing more.
        clock.advance(AUK_40062::OwnerWaitMilliseconds);
        if (refreshing && owner)
            emit refreshing->disablementsRefreshed();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    // The stack unwound under the waiting popup: the owner's end then pops
    // no page that is not the popup.
    void ownerGoneWithTheStack()
    {
        FakeClock clock;
        auto owner = std::make_unique<RefreshingOwner>();
        QSignalSpy sent(SyncClient::instance(), &SyncClient::disablementSent);
        PageStack::instance()->push(new AUK_90001A);
        AUK_40062 *popup = pushed(DISABLEMENT_ENABLE, true, owner.get());
        popup->sendPoints(3, points(1));
        emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 0, 1, 0);
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 3);
        PageStack::instance()->pop(1);
        owner.reset();
        clock.advance(AUK_40062::OwnerWaitMilliseconds);
        QCOMPARE(PageStack::instance()->count(), 2);
    }

    // Below level 5 no reply is counted and nothing is waited for.
    void ownerBelowLevelFiveClosesAtOnce()
    {
        TeskGlobalConfig::instance()->setConnectionNodeNumber(4);
        RefreshingOwner owner;
        AUK_40062 *popup = pushed(DISABLEMENT_ENABLE, false, &owner);
        popup->sendPoints(3, points(3));
        emit popup->rightButtonClicked();
        QCOMPARE(PageStack::instance()->count(), 1);
    }

    void screenshots_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::newRow("sending") << "_sending";
        QTest::newRow("deferred offered") << "_deferred";
        QTest::newRow("done") << "_done";
        QTest::newRow("waiting for the owner") << "_waiting";
    }

    void screenshots()
    {
        QFETCH(QString, variant);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        FakeClock clock;
        RefreshingOwner owner;
        const bool waiting = variant == QLatin1String("_waiting");
        QSignalSpy sent(SyncClient::instance(), &SyncClient::disablementSent);
        AUK_40062 *popup = pushed(waiting ? DISABLEMENT_ENABLE : DISABLEMENT_DISABLE, false, &owner);
        popup->sendPoints(3, points(12));
        if (waiting) {
            emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 0, 12, 0);
            emit popup->rightButtonClicked();
        }
        if (variant != QLatin1String("_sending") && !waiting)
            emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 0, 10, 2);
        if (variant == QLatin1String("_done")) {
            emit popup->leftButtonClicked();
            emit SyncClient::instance()->PointCommandReply(lastSequence(sent), 0, 2, 0);
        }
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        WidgetShot::saveForReview(WidgetShot::grab(PageStack::instance()), QStringLiteral("AUK_40062") + variant);
        QCOMPARE(popup->title(), waiting ? QStringLiteral("Enable") : QStringLiteral("Disable"));
    }
};

QTEST_MAIN(tst_DisableProgressPopup)
#include "tst_disableprogresspopup.moc"
