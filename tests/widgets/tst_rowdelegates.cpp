#include "PaintRecorder.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/AUK_90048.h"
#include "widgets/LoopCalibrateStatusDelegate.h"
#include "widgets/LoopStatusDelegate.h"
#include "widgets/LoopStatusPointsDelegate.h"
#include "widgets/PaletteRepository.h"
#include "widgets/TaskNameAndStatusItemDelegate.h"
#include "widgets/TaskNameAndStatusItemDelegateFactory.h"
#include "widgets/ZoneFireFaultStatusDelegate.h"

#include <QListView>
#include <QPainter>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

namespace {

constexpr int RowWidth = 460;
constexpr int RowHeight = 50;

QPixmap image(const QString &file)
{
    return QPixmap(QStringLiteral("../resources/") + file);
}

QPixmap checkOn()
{
    return image(QStringLiteral("images/AUK_80131_Check_on.png"));
}

QPixmap checkOff()
{
    return image(QStringLiteral("images/AUK_80130_Check_off.png"));
}

QPixmap badgeBackground(const QColor &colour)
{
    QPixmap badge(100, 40);
    badge.fill(colour);
    return badge;
}

std::unique_ptr<TaskNameAndStatusItemDelegate> taskDelegate()
{
    return std::make_unique<TaskNameAndStatusItemDelegate>(RowWidth, RowHeight, badgeBackground(QColor(44, 103, 174)),
                                                           badgeBackground(PaletteRepository::lightGrey()),
                                                           QSize(30, 30));
}

QStandardItem *taskRow(const QVariant &status, int task)
{
    auto *item = new QStandardItem(QStringLiteral("Day mode"));
    if (status.isValid())
        item->setData(status, 4);
    item->setData(task, 75);
    return item;
}

void record(const QAbstractItemDelegate &delegate, const QModelIndex &index, PaintRecorder &recorder,
            bool selected = false)
{
    QPainter painter(&recorder);
    QStyleOptionViewItem option;
    option.rect = QRect(QPoint(0, 0), delegate.sizeHint(option, index));
    option.state = selected ? QStyle::State_Selected : QStyle::State_None;
    delegate.paint(&painter, option, index);
}

QImage render(const QAbstractItemDelegate &delegate, const QStandardItemModel &model)
{
    int height = 0;
    for (int row = 0; row < model.rowCount(); ++row)
        height += delegate.sizeHint(QStyleOptionViewItem(), model.index(row, 0)).height();
    QImage shot(RowWidth, height, QImage::Format_ARGB32);
    shot.fill(Qt::magenta);
    QPainter painter(&shot);
    int y = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStyleOptionViewItem option;
        option.rect = QRect(QPoint(0, y), delegate.sizeHint(option, model.index(row, 0)));
        delegate.paint(&painter, option, model.index(row, 0));
        y += option.rect.height();
    }
    return shot;
}

bool sameImage(const QPixmap &a, const QPixmap &b)
{
    return !a.isNull() && a.toImage() == b.toImage();
}

} // namespace

class tst_RowDelegates : public WidgetTest
{
    Q_OBJECT

private slots:
    void init() { m_english = std::make_unique<EnglishTexts>(); }
    void cleanup() { m_english.reset(); }

    // Each status gives the same badge as the plain status it stands for.
    void taskBadges_data()
    {
        QTest::addColumn<QVariant>("status");
        QTest::addColumn<int>("task");
        QTest::addColumn<QVariant>("sameAs");
        QTest::newRow("3660 s on task 16") << QVariant(3660) << 16 << QVariant(QStringLiteral("01:01"));
        QTest::newRow("3660 s on task 8") << QVariant(3660) << 8 << QVariant(QStringLiteral("01:01"));
        QTest::newRow("3660 s on task 5") << QVariant(3660) << 5 << QVariant(QStringLiteral("ERROR!"));
        QTest::newRow("no status") << QVariant() << 16 << QVariant(QStringLiteral("ERROR!"));
        QTest::newRow("0 s is off") << QVariant(0) << 17 << QVariant(false);
        QTest::newRow("empty text is on") << QVariant(QString()) << 3 << QVariant(true);
        QTest::newRow("a real number") << QVariant(3.5) << 16 << QVariant(QStringLiteral("ERROR!"));
    }
    void taskBadges()
    {
        QFETCH(QVariant, status);
        QFETCH(int, task);
        QFETCH(QVariant, sameAs);
        const auto delegate = taskDelegate();
        QStandardItemModel model;
        model.appendRow(taskRow(status, task));
        model.appendRow(taskRow(sameAs, 1));
        const QPixmap badge = delegate->badge(model.index(0, 0));
        QVERIFY(sameImage(badge, delegate->badge(model.index(1, 0))));
    }

    void badgesDiffer()
    {
        const auto delegate = taskDelegate();
        QStandardItemModel model;
        for (const QVariant &status :
             {QVariant(true), QVariant(false), QVariant(QStringLiteral("01:01")), QVariant(QStringLiteral("ERROR!"))})
            model.appendRow(taskRow(status, 16));
        for (int a = 0; a < 4; ++a) {
            for (int b = a + 1; b < 4; ++b)
                QVERIFY(!sameImage(delegate->badge(model.index(a, 0)), delegate->badge(model.index(b, 0))));
        }
    }

    void theOnBadgeIsBuiltOnce()
    {
        const auto delegate = taskDelegate();
        QStandardItemModel model;
        model.appendRow(taskRow(true, 1));
        model.appendRow(taskRow(QString(), 2));
        PaintRecorder first(QSize(RowWidth, RowHeight));
        record(*delegate, model.index(0, 0), first);
        PaintRecorder second(QSize(RowWidth, RowHeight));
        record(*delegate, model.index(1, 0), second);
        QCOMPARE(first.pixmaps.size(), 1);
        QCOMPARE(second.pixmaps.size(), 1);
        QCOMPARE(first.pixmaps.first().cacheKey, second.pixmaps.first().cacheKey);
        // The badge stands 5 pixels from the right, centred in height.
        QCOMPARE(first.pixmaps.first().target, QRectF(RowWidth - 105, 5, 100, 40));
        QCOMPARE(first.textStrings(), QStringList{"Day mode"});
    }

    void theFactorySizesRowsFromTheList()
    {
        AUK_90048 list;
        list.setDelegateHeight(60);
        list.setDelegateCheckedImage(checkOn());
        list.setDelegateUncheckedImage(checkOff());
        TaskNameAndStatusItemDelegateFactory factory;
        const std::unique_ptr<QAbstractItemDelegate> delegate(factory.createDelegate(&list));
        QVERIFY(qobject_cast<TaskNameAndStatusItemDelegate *>(delegate.get()));
        QCOMPARE(delegate->sizeHint(QStyleOptionViewItem(), QModelIndex()), QSize(list.listView()->width(), 60));
    }

    void zoneRows_data()
    {
        QTest::addColumn<bool>("highlighted");
        QTest::addColumn<QColor>("background");
        QTest::newRow("plain") << false << PaletteRepository::white();
        QTest::newRow("highlighted") << true << PaletteRepository::darkGrey();
    }
    void zoneRows()
    {
        QFETCH(bool, highlighted);
        QFETCH(QColor, background);
        QStandardItemModel model;
        auto *item = new QStandardItem(QStringLiteral("Boiler room"));
        item->setData(12, 34);
        item->setData(3, 97);
        item->setData(1, 98);
        item->setData(highlighted, 32);
        model.appendRow(item);
        const ZoneFireFaultStatusDelegate delegate(RowWidth, RowHeight, checkOn(), checkOff());
        QCOMPARE(delegate.sizeHint(QStyleOptionViewItem(), model.index(0, 0)), QSize(RowWidth, RowHeight));
        PaintRecorder recorder(QSize(RowWidth, RowHeight));
        record(delegate, model.index(0, 0), recorder);
        QCOMPARE(recorder.textsIn(QRectF(0, 0, 245, 25)).first().text, QStringLiteral("Zone 12"));
        QCOMPARE(recorder.textsIn(QRectF(0, 25, 245, 25)).first().text, QStringLiteral("Boiler room"));
        QCOMPARE(recorder.verticalLines(), 3);
        QVERIFY(sameImage(QPixmap::fromImage(recorder.pixmaps.first().image), checkOff()));
        const QImage shot = render(delegate, model);
        QVERIFY(WidgetShot::fractionNear(shot, QRect(250, 2, 5, 40), background, 4) > 0.95);
    }

    void aSelectedOrCheckedZoneShowsTheCheck()
    {
        QStandardItemModel model;
        model.appendRow(new QStandardItem(QStringLiteral("a")));
        auto *checked = new QStandardItem(QStringLiteral("b"));
        checked->setData(Qt::Checked, Qt::CheckStateRole);
        model.appendRow(checked);
        const ZoneFireFaultStatusDelegate delegate(RowWidth, RowHeight, checkOn(), checkOff());
        for (const auto &[row, selected] : {std::pair{0, true}, std::pair{1, false}}) {
            PaintRecorder recorder(QSize(RowWidth, RowHeight));
            record(delegate, model.index(row, 0), recorder, selected);
            QVERIFY(sameImage(QPixmap::fromImage(recorder.pixmaps.first().image), checkOn()));
        }
    }

    void pointAddresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("extension");
        QTest::addColumn<bool>("plain");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "A" << 0u << false << "01 A005";
        QTest::newRow("trailing NUL") << QStringLiteral("A") + QChar(0) << 0u << false << "01 A005";
        QTest::newRow("extension") << "L1X" << 2u << false << "01 L1,7 005";
        QTest::newRow("extension ignored") << "L1X" << 2u << true << "01 L1X005";
        QTest::newRow("percent kept") << "%2" << 0u << false << "01 %2005";
    }
    void pointAddresses()
    {
        QFETCH(QString, text);
        QFETCH(uint, extension);
        QFETCH(bool, plain);
        QFETCH(QString, shown);
        QStandardItemModel model;
        auto *item = new QStandardItem;
        item->setData(1, 33);
        item->setData(text, 39);
        item->setData(extension, 40);
        item->setData(plain, 36);
        item->setData(QStringLiteral("7"), 41);
        item->setData(5, 35);
        item->setData(true, 103);
        model.appendRow(item);
        QCOMPARE(LoopStatusPointsDelegate::pointAddress(model.index(0, 0)), shown);
        const LoopStatusPointsDelegate delegate(RowWidth, RowHeight, checkOn(), checkOff());
        PaintRecorder recorder(QSize(RowWidth, RowHeight));
        record(delegate, model.index(0, 0), recorder);
        QCOMPARE(recorder.textStrings(), QStringList{shown});
        QCOMPARE(recorder.pixmaps.size(), 2);
        QVERIFY(sameImage(QPixmap::fromImage(recorder.pixmaps.at(0).image), image("icons/AUK_80236_tick.png")));
        QVERIFY(sameImage(QPixmap::fromImage(recorder.pixmaps.at(1).image), image("icons/AUK_80237_cross.png")));
        QCOMPARE(recorder.pixmaps.at(0).target.center().x(), 160.0);
        QCOMPARE(recorder.pixmaps.at(1).target.center().x(), 240.0);
    }

    void calibrationIcons_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("icon");
        QTest::newRow("0") << 0 << "AUK_80237_cross.png";
        QTest::newRow("1") << 1 << "AUK_80269_resync.png";
        QTest::newRow("2") << 2 << "AUK_80236_tick.png";
        QTest::newRow("3") << 3 << "AUK_80270_unknown.png";
        QTest::newRow("4") << 4 << "AUK_80270_unknown.png";
        QTest::newRow("5") << 5 << "AUK_80306_calibration_fault.png";
        QTest::newRow("6") << 6 << "AUK_80305_not_part_13.png";
        QTest::newRow("9") << 9 << "AUK_80270_unknown.png";
        QTest::newRow("-1") << -1 << "AUK_80270_unknown.png";
    }
    void calibrationIcons()
    {
        QFETCH(int, status);
        QFETCH(QString, icon);
        const LoopCalibrateStatusDelegate delegate(RowWidth, RowHeight);
        QVERIFY(sameImage(delegate.statusIcon(status), image(QStringLiteral("icons/") + icon)));
    }

    void calibrationRows_data()
    {
        QTest::addColumn<int>("firstLoop");
        QTest::addColumn<int>("secondLoop");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("icons");
        QTest::addColumn<QString>("text");
        QTest::newRow("both") << 1 << 2 << 70 << 3 << "Loop 1";
        QTest::newRow("first") << 1 << 0 << 50 << 2 << "Loop 1";
        QTest::newRow("second") << 0 << 2 << 50 << 2 << "Loop 2";
    }
    void calibrationRows()
    {
        QFETCH(int, firstLoop);
        QFETCH(int, secondLoop);
        QFETCH(int, height);
        QFETCH(int, icons);
        QFETCH(QString, text);
        QStandardItemModel model;
        auto *item = new QStandardItem;
        item->setData(firstLoop, 38);
        item->setData(secondLoop, 40);
        item->setData(QStringLiteral("1"), 39);
        item->setData(QStringLiteral("2"), 41);
        item->setData(2, 137);
        item->setData(0, 138);
        model.appendRow(item);
        const LoopCalibrateStatusDelegate delegate(RowWidth, RowHeight);
        QCOMPARE(delegate.sizeHint(QStyleOptionViewItem(), model.index(0, 0)), QSize(RowWidth, height));
        PaintRecorder recorder(QSize(RowWidth, height));
        record(delegate, model.index(0, 0), recorder);
        QCOMPARE(recorder.pixmaps.size(), icons);
        QCOMPARE(recorder.textStrings().first(), text);
        QVERIFY2(recorder.textProblems().isEmpty(), qPrintable(recorder.textProblems()));
    }

    void screenshots()
    {
        QStandardItemModel tasks;
        tasks.appendRow(taskRow(true, 1));
        tasks.appendRow(taskRow(false, 2));
        tasks.appendRow(taskRow(3660, 16));
        tasks.appendRow(taskRow(QVariant(), 5));
        tasks.item(2)->setData(true, 32);
        const auto task = taskDelegate();

        QStandardItemModel zones;
        for (int zone = 1; zone <= 3; ++zone) {
            auto *item = new QStandardItem(QStringLiteral("Zone name %1").arg(zone));
            item->setData(zone, 34);
            item->setData(zone * 2, 97);
            item->setData(zone - 1, 98);
            item->setData(zone == 2, 32);
            item->setData(zone == 3 ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
            zones.appendRow(item);
        }
        const ZoneFireFaultStatusDelegate zone(RowWidth, RowHeight, checkOn(), checkOff());

        QStandardItemModel loops;
        for (int loop = 1; loop <= 2; ++loop) {
            auto *item = new QStandardItem;
            item->setData(QStringLiteral("Loop %1").arg(loop), 99);
            item->setData(loop == 1 ? QStringLiteral("Healthy") : QStringLiteral("Open circuit"), 100);
            item->setData(1, 33);
            item->setData(QStringLiteral("A"), 39);
            item->setData(loop * 7, 35);
            item->setData(loop == 1, 103);
            item->setData(true, 104);
            item->setData(loop, 38);
            item->setData(loop == 1 ? 2 : 0, 40);
            item->setData(QString::number(loop), 39);
            item->setData(QStringLiteral("2"), 41);
            item->setData(loop == 1 ? 2 : 5, 137);
            item->setData(1, 138);
            loops.appendRow(item);
        }
        const LoopStatusDelegate loop(RowWidth, RowHeight, checkOn(), checkOff());
        const LoopStatusPointsDelegate points(RowWidth, RowHeight, checkOn(), checkOff());
        const LoopCalibrateStatusDelegate calibrate(RowWidth, RowHeight);

        const QList<std::tuple<QString, const QAbstractItemDelegate *, const QStandardItemModel *>> shots = {
            {"TaskNameAndStatusItemDelegate", task.get(), &tasks},
            {"ZoneFireFaultStatusDelegate", &zone, &zones},
            {"LoopStatusDelegate", &loop, &loops},
            {"LoopStatusPointsDelegate", &points, &loops},
            {"LoopCalibrateStatusDelegate", &calibrate, &loops}};
        for (const auto &[name, delegate, model] : shots) {
            for (int row = 0; row < model->rowCount(); ++row) {
                PaintRecorder recorder(QSize(RowWidth, 80));
                record(*delegate, model->index(row, 0), recorder);
                QVERIFY2(recorder.textProblems().isEmpty(), qPrintable(name + ": " + recorder.textProblems()));
            }
            const QImage shot = render(*delegate, *model);
            QVERIFY(WidgetShot::fractionNear(shot, shot.rect(), Qt::magenta, 0) < 0.01);
            WidgetShot::saveForReview(shot, name);
        }
    }

private:
    std::unique_ptr<EnglishTexts> m_english;
};

QTEST_MAIN(tst_RowDelegates)
#include "tst_rowdelegates.moc"
