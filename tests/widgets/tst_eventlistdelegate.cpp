#include "PaintRecorder.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/DisablementsAndStatusListDelegate.h"
#include "widgets/DisablementsListDelegate.h"
#include "widgets/DisablementsZonesListDelegate.h"
#include "widgets/EventListDelegate.h"
#include "widgets/FaultsListDelegate.h"
#include "widgets/PaletteRepository.h"

#include <QListView>
#include <QPainter>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

namespace {

const QSize kCanvas(480, 280);

// One fault as the event models carry it.
void addFault(QStandardItemModel &model, const QString &information = QString(), const QString &link = QString())
{
    auto *item = new QStandardItem;
    item->setData(QStringLiteral("12/11/2026 07:42"), 56);
    item->setData(QStringLiteral("Zone 12"), 58);
    item->setData(QStringLiteral("L1 A005"), 62);
    item->setData(QStringLiteral("Boiler room"), 59);
    item->setData(QStringLiteral("Smoke detector"), 60);
    item->setData(QStringLiteral("Device missing"), 63);
    item->setData(QStringLiteral("Not accepted"), 73);
    item->setData(information, 64);
    item->setData(link, 185);
    item->setData(33, 33);
    item->setData(QStringLiteral("Quiescent"), 81);
    item->setData(QStringLiteral("No"), 82);
    item->setData(QStringLiteral("Yes"), 83);
    item->setData(QStringLiteral("Off"), 77);
    item->setData(QStringLiteral("No"), 78);
    item->setData(QStringLiteral("No"), 79);
    model.appendRow(item);
}

QStyleOptionViewItem optionAt(const QPoint &corner, const QSize &size)
{
    QStyleOptionViewItem option;
    option.rect = QRect(corner, size);
    return option;
}

void record(const QAbstractItemDelegate &delegate, const QModelIndex &index, PaintRecorder &recorder,
            const QPoint &corner = QPoint())
{
    QPainter painter(&recorder);
    delegate.paint(&painter, optionAt(corner, delegate.sizeHint(QStyleOptionViewItem(), index)), index);
}

QImage render(const QAbstractItemDelegate &delegate, const QModelIndex &index)
{
    QImage image(kCanvas, QImage::Format_ARGB32);
    image.fill(PaletteRepository::white());
    QPainter painter(&image);
    delegate.paint(&painter, optionAt(QPoint(10, 8), delegate.sizeHint(QStyleOptionViewItem(), index)), index);
    return image;
}

// The titles stand in the left column of the card, the values right of 132.
QStringList titlesOf(const PaintRecorder &recorder)
{
    QStringList titles;
    for (const PaintRecorder::Text &text : recorder.textsIn(QRectF(0, 0, 130, kCanvas.height())))
        titles << text.text;
    return titles;
}

const QVector<int> kAnalogueRoles = {58, 62, 59, 60, 61, 80, 76, 84, 90, 87, 93, 33, 145, 146};

} // namespace

class tst_EventListDelegate : public WidgetTest
{
    Q_OBJECT

private slots:
    void faultRowsFollowTheHidingFlags_data()
    {
        QTest::addColumn<bool>("hideInformation");
        QTest::addColumn<bool>("rbusMode");
        QTest::addColumn<int>("rows");
        QTest::newRow("information shown") << false << false << 8;
        QTest::newRow("information restricted") << true << false << 7;
        QTest::newRow("front-panel bus") << false << true << 7;
        QTest::newRow("both") << true << true << 7;
    }
    void faultRowsFollowTheHidingFlags()
    {
        QFETCH(bool, hideInformation);
        QFETCH(bool, rbusMode);
        QFETCH(int, rows);
        EnglishTexts english;
        QStandardItemModel model;
        addFault(model, QStringLiteral("Check the detector head"));
        addFault(model);
        const FaultsListDelegate delegate(hideInformation, rbusMode);
        QCOMPARE(delegate.roleColumns().size(), rows);
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(0, 0), recorder);
        const QStringList titles = titlesOf(recorder);
        QCOMPARE(titles.size(), rows);
        QCOMPARE(titles.first(), QStringLiteral("Date/time"));
        QCOMPARE(titles.contains(QStringLiteral("Information")), rows == 8);
        QCOMPARE(recorder.horizontalLines(), rows - 1);
        QCOMPARE(recorder.textStrings().contains(QStringLiteral("Check the detector h")), rows == 8);
        QVERIFY2(recorder.textProblems().isEmpty(), qPrintable(recorder.textProblems()));
    }

    void informationIsCutIntoLinesOfTwenty()
    {
        QStandardItemModel model;
        const QString information = QStringLiteral("Detector head dirty: replace within 7 days!!!");
        QCOMPARE(information.size(), 45);
        addFault(model, information);
        addFault(model);
        const FaultsListDelegate delegate(false, false);
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(0, 0), recorder);
        // The information row is the eighth: from y 6 + 26 * 7.
        const QList<PaintRecorder::Text> lines = recorder.textsIn(QRectF(132, 188, 300, 84));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0).text, information.left(20));
        QCOMPARE(lines.at(1).text, information.mid(20, 20));
        QCOMPARE(lines.at(2).text, information.mid(40));
    }

    // Codes of 21 and 25 modules at magnification 2 are 42 and 50 pixels;
    // the smaller one is centred on the 50 pixels the larger one fills.
    void qrCodesSitInTheInformationRow_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("y");
        QTest::newRow("none") << QString() << 0 << 0;
        QTest::newRow("42 pixels") << QStringLiteral("abc") << 42 << 27 + 26 * 7 + 4;
        QTest::newRow("50 pixels") << QStringLiteral("https://example.com/m/1") << 50 << 27 + 26 * 7;
        QTest::newRow("58 pixels") << QStringLiteral("https://manuals.example.com/panel/3.6") << 58 << 27 + 26 * 7;
    }
    void qrCodesSitInTheInformationRow()
    {
        QFETCH(QString, link);
        QFETCH(int, side);
        QFETCH(int, y);
        QStandardItemModel model;
        addFault(model, QStringLiteral("See the manual"), link);
        addFault(model);
        const FaultsListDelegate delegate(false, false);
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(0, 0), recorder);
        QList<PaintRecorder::Pixmap> codes;
        for (const PaintRecorder::Pixmap &pixmap : recorder.pixmaps) {
            if (pixmap.size != delegate.sizeHint(QStyleOptionViewItem(), model.index(0, 0)))
                codes << pixmap;
        }
        QCOMPARE(codes.size(), side ? 1 : 0);
        if (side)
            QCOMPARE(codes.first().target, QRectF(22, y, side, side));
    }

    // A link no QR code can hold leaves the card without a code, and the
    // card is still painted whole.
    void aLinkTooLongForACodeDrawsNone()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("QrCodeImage::QrCodeImage: no QR code holds"));
        QStandardItemModel model;
        addFault(model, QStringLiteral("See the manual"), QString(3000, QLatin1Char('w')));
        addFault(model);
        const FaultsListDelegate delegate(false, false);
        for (int repaint = 0; repaint < 2; ++repaint) {
            PaintRecorder recorder(kCanvas);
            record(delegate, model.index(0, 0), recorder);
            QCOMPARE(recorder.pixmaps.size(), 1);
            QVERIFY(recorder.textStrings().contains(QStringLiteral("See the manual")));
        }
    }

    void aLoneCardMovesRight_data()
    {
        QTest::addColumn<int>("cards");
        QTest::addColumn<int>("x");
        QTest::newRow("one card") << 1 << 23;
        QTest::newRow("two cards") << 2 << 0;
    }
    void aLoneCardMovesRight()
    {
        QFETCH(int, cards);
        QFETCH(int, x);
        QStandardItemModel model;
        for (int card = 0; card < cards; ++card)
            addFault(model);
        const std::unique_ptr<EventListDelegate> delegates[] = {
            std::make_unique<FaultsListDelegate>(false, false), std::make_unique<DisablementsListDelegate>(),
            std::make_unique<DisablementsAndStatusListDelegate>(), std::make_unique<DisablementsZonesListDelegate>()};
        for (const auto &delegate : delegates) {
            PaintRecorder recorder(kCanvas);
            record(*delegate, model.index(0, 0), recorder);
            QCOMPARE(recorder.pixmaps.first().target.topLeft(), QPointF(x, 0));
        }
    }

    // In a view with too little room for the shift the lone card moves only
    // as far as keeps it whole.
    void aLoneCardStaysWholeInItsView_data()
    {
        QTest::addColumn<int>("viewWidth");
        QTest::addColumn<int>("x");
        const int card = FaultsListDelegate(false, false).sizeHint(QStyleOptionViewItem(), QModelIndex()).width();
        QTest::newRow("room for the shift") << card + 40 << 23;
        QTest::newRow("just room") << card + 23 << 23;
        QTest::newRow("room for part") << card + 16 << 16;
        QTest::newRow("no room") << card - 10 << 0;
    }
    void aLoneCardStaysWholeInItsView()
    {
        QFETCH(int, viewWidth);
        QFETCH(int, x);
        QStandardItemModel model;
        addFault(model);
        QListView view;
        view.setFrameShape(QFrame::NoFrame);
        view.resize(viewWidth, 280);
        view.show();
        const FaultsListDelegate delegate(false, false);
        QStyleOptionViewItem option = optionAt(QPoint(), delegate.sizeHint(QStyleOptionViewItem(), model.index(0, 0)));
        option.widget = &view;
        PaintRecorder recorder(kCanvas);
        QPainter painter(&recorder);
        delegate.paint(&painter, option, model.index(0, 0));
        painter.end();
        QCOMPARE(recorder.pixmaps.first().target.topLeft(), QPointF(x, 0));
    }

    void analogueAndTestDateRowsShareLines()
    {
        const EventListDelegate delegate(&kAnalogueRoles, nullptr, false, false, true);
        QHash<int, int> positions;
        for (const RoleColumn &column : delegate.roleColumns())
            positions.insert(column.role, column.column);
        QCOMPARE(positions.value(84), 7);
        QCOMPARE(positions.value(87), 7);
        QCOMPARE(positions.value(93), 8);
        QCOMPARE(positions.value(145), 10);
        QCOMPARE(positions.value(146), 10);
        QCOMPARE(positions.value(33), 11);
    }

    void inputAndOutputTitlesSpanTwoRows()
    {
        EnglishTexts english;
        QStandardItemModel model;
        addFault(model);
        addFault(model);
        const DisablementsAndStatusListDelegate delegate;
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(0, 0), recorder);
        QCOMPARE(recorder.horizontalLines(), 6);
        // Titles are centred in their rows: the input's from 110 to 161, the
        // output's from 162 to 213.
        QHash<QString, qreal> middles;
        for (const PaintRecorder::Text &text : recorder.texts)
            middles.insert(text.text, text.box.center().y());
        QVERIFY(qAbs(middles.value(QStringLiteral("Input")) - 136) <= 1.5);
        QVERIFY(qAbs(middles.value(QStringLiteral("Output")) - 188) <= 1.5);
        QVERIFY(qAbs(middles.value(QStringLiteral("Device")) - 97) <= 1.5);
        // State, forced and disabled of the input stand side by side.
        const QList<PaintRecorder::Text> input = recorder.textsIn(QRectF(132, 110, 300, 52));
        QCOMPARE(input.size(), 3);
        QCOMPARE(recorder.verticalLines(), 4);
        QVERIFY2(recorder.textProblems().isEmpty(), qPrintable(recorder.textProblems()));
    }

    void aMissingFrameTakesNoRoom()
    {
        const RolesCardDelegate delegate(QStringLiteral("AUK_89999_missing.png"));
        QCOMPARE(delegate.sizeHint(QStyleOptionViewItem(), QModelIndex()), QSize(0, 0));
        const FaultsListDelegate faults(false, false);
        QCOMPARE(faults.sizeHint(QStyleOptionViewItem(), QModelIndex()), QSize(420, 272));
    }

    void anItemWithoutRolesPaintsEmptyValues()
    {
        QStandardItemModel model;
        model.appendRow(new QStandardItem);
        model.appendRow(new QStandardItem);
        const DisablementsAndStatusListDelegate delegate;
        PaintRecorder recorder(kCanvas);
        record(delegate, model.index(0, 0), recorder);
        QCOMPARE(titlesOf(recorder).size(), 6);
    }

    void screenshots_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("faults") << "FaultsListDelegate";
        QTest::newRow("disablements") << "DisablementsListDelegate";
        QTest::newRow("disablements and status") << "DisablementsAndStatusListDelegate";
        QTest::newRow("zones") << "DisablementsZonesListDelegate";
    }
    void screenshots()
    {
        QFETCH(QString, name);
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        QStandardItemModel model;
        addFault(model, QStringLiteral("Detector head dirty: replace within 7 days"),
                 QStringLiteral("https://example.com/m/1"));
        addFault(model);
        std::unique_ptr<EventListDelegate> delegate;
        if (name == QLatin1String("FaultsListDelegate"))
            delegate = std::make_unique<FaultsListDelegate>(false, false);
        else if (name == QLatin1String("DisablementsListDelegate"))
            delegate = std::make_unique<DisablementsListDelegate>();
        else if (name == QLatin1String("DisablementsAndStatusListDelegate"))
            delegate = std::make_unique<DisablementsAndStatusListDelegate>();
        else
            delegate = std::make_unique<DisablementsZonesListDelegate>();
        PaintRecorder recorder(kCanvas);
        record(*delegate, model.index(0, 0), recorder);
        QVERIFY2(recorder.textProblems().isEmpty(), qPrintable(recorder.textProblems()));
        const QImage image = render(*delegate, model.index(0, 0));
        // The frame is drawn where the card goes, the rest stays white.
        QVERIFY(WidgetShot::fractionNear(image, QRect(440, 0, 40, 280), PaletteRepository::white(), 2) > 0.99);
        QVERIFY(WidgetShot::fractionNear(image, QRect(30, 40, 400, 200), PaletteRepository::white(), 24) < 0.99);
        WidgetShot::saveForReview(image, name);
    }
};

QTEST_MAIN(tst_EventListDelegate)
#include "tst_eventlistdelegate.moc"
