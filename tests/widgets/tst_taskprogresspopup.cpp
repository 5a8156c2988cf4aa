#include "NamedChild.h"
#include "PageUnderPopups.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "screens/popups/AUK_40008.h"

#include <QCoreApplication>
#include <QPointer>
#include <QtTest>

#include <memory>

// The task progress popup: its two counts, and Cancel turning into Close.
class tst_TaskProgressPopup : public WidgetTest
{
    Q_OBJECT

private:
    std::unique_ptr<PageUnderPopups> m_page;

private slots:
    void init()
    {
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
    }

    void cleanup() { m_page.reset(); }

    void counts_data()
    {
        QTest::addColumn<int>("pending");
        QTest::addColumn<QList<int>>("completed");
        QTest::addColumn<QString>("pendingShown");
        QTest::addColumn<QString>("doneShown");
        QTest::newRow("nothing done") << 3 << QList<int>{} << "0003"
                                      << "0000";
        QTest::newRow("5 done of 3") << 3 << QList<int>{5} << "0000"
                                     << "0005";
        QTest::newRow("in two steps") << 12 << QList<int>{2, 7} << "0003"
                                      << "0009";
        QTest::newRow("five digits show whole") << 12345 << QList<int>{} << "12345"
                                                << "0000";
        QTest::newRow("done above four digits") << 1 << QList<int>{12345} << "0000"
                                                << "12345";
    }

    void counts()
    {
        QFETCH(int, pending);
        QFETCH(QList<int>, completed);
        QFETCH(QString, pendingShown);
        QFETCH(QString, doneShown);
        AUK_40008 popup(pending, QStringLiteral("title"), QStringLiteral("body"), nullptr);
        for (int count : completed)
            popup.tasksCompleted(count);
        QCOMPARE(labelText(&popup, "pendingCount"), pendingShown);
        QCOMPARE(labelText(&popup, "taskCount"), doneShown);
        QCOMPARE(popup.title(), QStringLiteral("title"));
        QCOMPARE(labelText(&popup, "taskCompleteText"), QStringLiteral("body"));
    }

    void keys()
    {
        AUK_40008 popup(1, QString(), QString(), nullptr);
        QVERIFY(!popup.leftButtonVisible());
        QCOMPARE(popup.rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));
        popup.setFinishedButtons();
        QCOMPARE(popup.rightButtonText(), QStringLiteral("_CLOSE_POPUPSK"));
    }

    void screenshot()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        QPointer<AUK_40008> popup = new AUK_40008(
            1, QCoreApplication::translate("QObject", "_CUSTOM_TASK_PROGRESS_POPUPTITLE"),
            QCoreApplication::translate("QObject", "_CUSTOM_TASK_COMPLETE_214_18_INFOTEXTSTYLE"), nullptr);
        QVERIFY(PageStack::instance()->push(popup));
        popup->tasksCompleted(1);
        popup->setFinishedButtons();
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        WidgetShot::saveForReview(WidgetShot::grab(PageStack::instance()), QStringLiteral("AUK_40008"));
        QCOMPARE(popup->rightButtonText(), QStringLiteral("Close"));
    }
};

QTEST_MAIN(tst_TaskProgressPopup)
#include "tst_taskprogresspopup.moc"
