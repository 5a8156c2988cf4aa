#include "../widgets/PageUnderPopups.h"
#include "NamedChild.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "app/PageStack.h"
#include "reports/AUK_40048.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

QPointer<AUK_40048> pushed(AUK_40048 *popup)
{
    PageStack::instance()->push(popup);
    return popup;
}

} // namespace

// The save's progress popup: its stages and percentages, its result forms
// and its keys.
class tst_SaveReportPopup : public WidgetTest
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

    void progressForm()
    {
        QPointer<AUK_40048> popup = pushed(new AUK_40048);
        QCOMPARE(popup->objectName(), QStringLiteral("AUK_40048"));
        QCOMPARE(popup->title(), QStringLiteral("_PLEASE_WAIT_POPUPTITLE"));
        QCOMPARE(labelText(popup, "bottomLabel"), QStringLiteral("Progress: 0%"));
        QVERIFY(!popup->leftButtonVisible());
        QVERIFY(popup->rightButtonVisible());
        QCOMPARE(popup->rightButtonText(), QStringLiteral("_CANCEL_POPUPSK"));
    }

    void percentage_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("bottom");
        QTest::newRow("-1 please wait") << -1 << "_PLEASE_WAIT_POPUPTEXT3INFO";
        QTest::newRow("0") << 0 << "Progress: 0%";
        QTest::newRow("55") << 55 << "Progress: 55%";
        QTest::newRow("100") << 100 << "Progress: 100%";
    }

    void percentage()
    {
        QFETCH(int, percent);
        QFETCH(QString, bottom);
        AUK_40048 popup;
        popup.setPercentage(percent);
        QCOMPARE(labelText(&popup, "bottomLabel"), bottom);
    }

    void stage_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("middle");
        QTest::newRow("0 collecting") << 0 << "_CREATING_REPORT_POPUPTEXT1BODY";
        QTest::newRow("1 layout") << 1 << "_CALCULATING_LAYOUT_POPUPTEXT1BODY";
        QTest::newRow("2 writing") << 2 << "_SAVING_REPORT_POPUPTEXT1BODY";
        QTest::newRow("3 unknown") << 3 << "";
        QTest::newRow("-1 unknown") << -1 << "";
    }

    void stage()
    {
        QFETCH(int, stage);
        QFETCH(QString, middle);
        AUK_40048 popup;
        popup.setStage(AUK_40048::CollectingRows);
        popup.setStage(AUK_40048::eSaveStage(stage));
        QCOMPARE(labelText(&popup, "middleLabel"), middle);
    }

    void failure_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("bottom");
        const QString implementation = QStringLiteral("_IMPLEMENTATION_ERROR_POPUPTEXT1BODY");
        const QString plugIn = QStringLiteral("_PLUG_IN_WRITABLE_USB_DRIVE_POPUPTEXT3INFO");
        const QString writeFailed = QStringLiteral("_WRITE_FAILED_DESCRIPTION_POPUPTEXT1BODY");
        const QString fileFailed = QStringLiteral("_FILE_FAILED_USB_POPUPTEXT3INFO");
        QTest::newRow("0") << 0 << ""
                           << "";
        QTest::newRow("1") << 1 << implementation << "_INVALID_REPORT_TYPE_PREFIX_POPUPTEXT3INFO";
        QTest::newRow("2") << 2 << "_USB_DRIVE_NOT_MOUNTED_POPUPTEXT1BODY" << plugIn;
        QTest::newRow("3") << 3 << "_USB_DRIVE_NOT_WRITABLE_POPUPTEXT1BODY" << plugIn;
        QTest::newRow("4") << 4 << "_USB_DRIVE_NOT_WRITABLE_POPUPTEXT1BODY" << plugIn;
        QTest::newRow("5") << 5 << "_COULD_NOT_CREATE_REPORT_FILE_POPUPTEXT1BODY"
                           << "_CLEAR_USB_RETRY_POPUPTEXT3INFO";
        QTest::newRow("6") << 6 << implementation << "_REPORT_ENTRY_TOO_LONG_POPUPTEXT3INFO";
        for (int failure = 7; failure <= 11; ++failure)
            QTest::addRow("%d", failure) << failure << writeFailed << fileFailed;
        QTest::newRow("12") << 12 << ""
                            << "";
    }

    // The error form replaces the progress form whatever it showed.
    void failure()
    {
        QFETCH(int, failure);
        QFETCH(QString, middle);
        QFETCH(QString, bottom);
        QPointer<AUK_40048> popup = pushed(new AUK_40048);
        popup->setStage(AUK_40048::WritingFile);
        popup->setPercentage(40);
        popup->saveFailure(AUK_40048::eFailureType(failure));
        QCOMPARE(popup->title(), QStringLiteral("_ERROR_POPUPTITLE"));
        QCOMPARE(labelText(popup, "topLabel"), QStringLiteral("_FAILED_TO_SAVE_FILE_USB_POPUPTEXT1BODY"));
        QCOMPARE(labelText(popup, "middleLabel"), middle);
        QCOMPARE(labelText(popup, "bottomLabel"), bottom);
        QVERIFY(popup->leftButtonVisible());
        QVERIFY(!popup->rightButtonVisible());
    }

    void resultForms_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::newRow("success") << 0 << "_SAVE_POPUPTITLE"
                                 << "_FILE_SAVED_USB_POPUPTEXT1BODY"
                                 << "../USB/WT20240807134609_0.pdf";
        QTest::newRow("failure") << 5 << "_ERROR_POPUPTITLE"
                                 << "_FAILED_TO_SAVE_FILE_USB_POPUPTEXT1BODY"
                                 << "_CLEAR_USB_RETRY_POPUPTEXT3INFO";
    }

    // The second form shows the result at once; its key closes it.
    void resultForms()
    {
        QFETCH(int, failure);
        QFETCH(QString, title);
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        QPointer<AUK_40048> popup =
            pushed(new AUK_40048(AUK_40048::eFailureType(failure), QStringLiteral("../USB/WT20240807134609_0.pdf")));
        QCOMPARE(popup->title(), title);
        QCOMPARE(labelText(popup, "topLabel"), top);
        QCOMPARE(labelText(popup, "bottomLabel"), bottom);
        QVERIFY(popup->leftButtonVisible());
        QCOMPARE(popup->leftButtonText(), QStringLiteral("_CLOSE_POPUPSK"));
        QVERIFY(!popup->rightButtonVisible());
        if (failure == 0)
            QCOMPARE(labelText(popup, "middleLabel"), QStringLiteral("_WRITE_SUCCESSFUL_DESCRIPTION_POPUPTEXT1BODY"));
        emit popup->leftButtonClicked();
        QCOMPARE(PageStack::instance()->pageNames(), QStringList{QStringLiteral("AUK_90001A")});
    }

    void cancelKey()
    {
        QPointer<AUK_40048> popup = pushed(new AUK_40048);
        QSignalSpy cancelled(popup.data(), &AUK_40048::cancelPressed);
        emit popup->rightButtonClicked();
        QCOMPARE(cancelled.count(), 1);
        QCOMPARE(PageStack::instance()->pageNames(), QStringList{QStringLiteral("AUK_90001A")});
    }

    void screenshots_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("failure");
        QTest::newRow("progress") << "AUK_40048_progress" << -1;
        QTest::newRow("success") << "AUK_40048_success" << 0;
        QTest::newRow("prefix") << "AUK_40048_failure1_prefix" << 1;
        QTest::newRow("no drive") << "AUK_40048_failure2_no_drive" << 2;
        QTest::newRow("read-only drive") << "AUK_40048_failure3_read_only" << 3;
        QTest::newRow("no free name") << "AUK_40048_failure5_no_name" << 5;
        QTest::newRow("line too long") << "AUK_40048_failure6_too_long" << 6;
        QTest::newRow("write failed") << "AUK_40048_failure8_write" << 8;
    }

    void screenshots()
    {
        QFETCH(QString, name);
        QFETCH(int, failure);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        m_page.reset();
        m_page = std::make_unique<PageUnderPopups>(window());
        QVERIFY(m_page->isPushed());
        AUK_40048 *popup = nullptr;
        if (failure < 0) {
            popup = new AUK_40048;
            popup->setStage(AUK_40048::WritingFile);
            popup->setPercentage(40);
        } else {
            popup = new AUK_40048(AUK_40048::eFailureType(failure), QStringLiteral("../USB/WT20240807134609_0.pdf"));
        }
        QVERIFY(PageStack::instance()->push(popup));
        QCOMPARE(WidgetShot::textProblems(PageStack::instance()), QString());
        const QImage image = WidgetShot::grab(PageStack::instance());
        WidgetShot::saveForReview(image, name);
        const QRect lines(134, 36 + 126, 370, 100);
        QVERIFY(WidgetShot::fractionNear(image, lines, WidgetShot::colourAt(image, lines.topLeft())) < 0.99);
    }
};

QTEST_MAIN(tst_SaveReportPopup)
#include "tst_savereportpopup.moc"
