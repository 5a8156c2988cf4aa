#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/AUK_90025.h"
#include "widgets/AUK_90026.h"

#include <QtTest>

class tst_InfoPanes : public WidgetTest
{
    Q_OBJECT

private:
    static QLabel *child(QWidget &button, const char *name) { return button.findChild<QLabel *>(QLatin1String(name)); }

private slots:
    void tallAndShort()
    {
        AUK_90025 pane(window());
        QVERIFY(pane.tall());
        QCOMPARE(pane.size(), QSize(432, 120));
        QCOMPARE(pane.buttonType(), BaseButton::EN54_LARGE);
        QCOMPARE(child(pane, "buttonValueBg")->pixmap(Qt::ReturnByValue).size(), QSize(285, 104));

        pane.move(100, 200);
        pane.setTall(false);
        QCOMPARE(pane.buttonType(), BaseButton::EN54_SMALL);
        QCOMPARE(pane.geometry(), QRect(100, 200, 432, 80));
        QCOMPARE(child(pane, "buttonLabel")->height(), 66);
        QCOMPARE(child(pane, "buttonValueBg")->height(), 54);
        QCOMPARE(child(pane, "buttonValue")->height(), 54);
        QCOMPARE(child(pane, "buttonValueBg")->pixmap(Qt::ReturnByValue).size(), QSize(285, 54));

        QVERIFY(pane.setProperty("tall", true));
        QCOMPARE(pane.geometry(), QRect(100, 200, 432, 120));
        QCOMPARE(child(pane, "buttonLabel")->height(), 105);
        QCOMPARE(child(pane, "buttonValue")->height(), 104);
    }

    void shortPaneIsAlwaysShort()
    {
        AUK_90026 pane(window());
        QCOMPARE(pane.size(), QSize(432, 80));
        QCOMPARE(pane.buttonType(), BaseButton::EN54_SMALL);
        QCOMPARE(child(pane, "buttonValueBg")->pixmap(Qt::ReturnByValue).size(), QSize(285, 54));
        QCOMPARE(pane.objectName(), QStringLiteral("AUK_90026"));
    }

    void showsCaptionAndValueOnRed()
    {
        const EnglishTexts english;
        QVERIFY(english.isLoaded());
        AUK_90025 pane(window());
        pane.setButtonLabel(QStringLiteral("Fires"));
        pane.setButtonValue(QStringLiteral("3"));
        QCOMPARE(pane.property("buttonLabel").toString(), QStringLiteral("Fires"));
        QCOMPARE(pane.buttonValue(), QStringLiteral("3"));
        pane.show();
        const QImage shot = WidgetShot::grab(&pane);
        WidgetShot::saveForReview(shot, QStringLiteral("AUK_90025_tall"));
        QCOMPARE(WidgetShot::textProblems(&pane), QString());
        const QColor edge = WidgetShot::averageColour(shot, QRect(4, 50, 4, 20));
        QVERIFY(edge.red() > 150 && edge.green() < 60);
        // The caption in white on the red skin, the value dark in its pale box.
        QVERIFY(WidgetShot::fractionNear(shot, QRect(10, 40, 80, 40), Qt::white, 40) > 0.02);
        QVERIFY(WidgetShot::averageColour(shot, QRect(110, 30, 40, 40)).lightness() > 200);
        QVERIFY(WidgetShot::fractionNear(shot, QRect(200, 30, 70, 60), Qt::black, 60) > 0.02);
    }
};

QTEST_MAIN(tst_InfoPanes)
#include "tst_infopanes.moc"
