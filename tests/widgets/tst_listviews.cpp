#include "FakeClock.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "widgets/AUK_90020.h"
#include "widgets/AUK_90048.h"
#include "widgets/AUK_90048_ItemDelegateFactory.h"
#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"
#include "widgets/ScrollBar.h"
#include "widgets/SelectorItemDelegate.h"

#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPixmapCache>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QtTest>

namespace {

constexpr int ZoneRole = 34;
constexpr int RowWidth = 286;
constexpr int RowHeight = 50;

QPixmap checkOn()
{
    return QPixmap(QStringLiteral("../resources/images/AUK_80131_Check_on.png"));
}

QPixmap checkOff()
{
    return QPixmap(QStringLiteral("../resources/images/AUK_80130_Check_off.png"));
}

// Selector rows "Zone 1".. with their zone numbers; every third one checked.
void fillZones(QStandardItemModel &model, int rows)
{
    model.clear();
    for (int row = 0; row < rows; ++row) {
        auto *item = new QStandardItem(QStringLiteral("Zone %1").arg(row + 1));
        item->setData(row + 1, ZoneRole);
        item->setData(row % 3 == 0 ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        model.appendRow(item);
    }
}

QImage renderRow(const SelectorItemDelegate &delegate, const QModelIndex &index, bool selected = false)
{
    QImage image(RowWidth, RowHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    option.state = selected ? QStyle::State_Selected : QStyle::State_None;
    QPainter painter(&image);
    delegate.paint(&painter, option, index);
    return image;
}

// The rows in which the region holds ink darker than mid grey.
QList<int> inkedRows(const QImage &image, const QRect &region)
{
    QList<int> rows;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                rows << y;
                break;
            }
        }
    }
    return rows;
}

int bands(const QList<int> &rows)
{
    int count = 0;
    for (int i = 0; i < rows.size(); ++i) {
        if (i == 0 || rows.at(i) != rows.at(i - 1) + 1)
            ++count;
    }
    return count;
}

class TestFactory final : public AUK_90048_ItemDelegateFactory
{
public:
    QAbstractItemDelegate *createDelegate(AUK_90048 *list) override
    {
        lastList = list;
        return new SelectorItemDelegate(10, 30, QPixmap(), QPixmap(), QSize());
    }
    AUK_90048 *lastList = nullptr;
};

} // namespace

class tst_ListViews : public WidgetTest
{
    Q_OBJECT

private slots:
    void thumbFollowsTheValue_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("thumbY");
        QTest::newRow("middle") << 0 << 100 << 50 << 171;
        QTest::newRow("bottom") << 0 << 100 << 100 << 342;
        QTest::newRow("no range keeps the thumb") << 0 << 0 << 50 << 0;
        QTest::newRow("before any range") << -1 << -1 << 1 << 342;
    }
    void thumbFollowsTheValue()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(int, thumbY);
        ScrollBar bar;
        bar.resize(16, 382);
        QCOMPARE(bar.thumb()->size(), QSize(16, 40));
        if (minimum >= 0)
            bar.rangeChanged(minimum, maximum);
        bar.valueChanged(value);
        QCOMPARE(bar.thumb()->pos(), QPoint(0, thumbY));
    }

    void aRangeChangeAloneLeavesTheThumb()
    {
        ScrollBar bar;
        bar.resize(16, 382);
        bar.rangeChanged(0, 100);
        bar.valueChanged(50);
        bar.rangeChanged(0, 200);
        QCOMPARE(bar.thumb()->y(), 171);
        bar.valueChanged(50);
        QCOMPARE(bar.thumb()->y(), 85);
    }

    void counterTexts_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("width");
        QTest::addColumn<QChar>("fill");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zone 7") << 34 << 3 << QChar('0') << QVariant(7) << "007";
        QTest::newRow("no zone") << 34 << 3 << QChar('0') << QVariant(255) << "";
        QTest::newRow("count 0") << 42 << 5 << QChar('0') << QVariant(0) << "";
        QTest::newRow("count 12") << 42 << 5 << QChar('0') << QVariant(12) << "00012";
        QTest::newRow("letter") << 38 << 1 << QChar('0') << QVariant(3) << "C";
        QTest::newRow("plain text") << 39 << 3 << QChar('0') << QVariant("7") << "7";
        QTest::newRow("address") << 69 << 1 << QChar('-') << QVariant("/L1-23ab45") << "L1-23\r\nab45";
        QTest::newRow("address without a second part") << 69 << 1 << QChar('-') << QVariant("L1-23") << "L1-23";
        QTest::newRow("missing value") << 34 << 3 << QChar('0') << QVariant() << "";
        QTest::newRow("other role") << 35 << 3 << QChar('0') << QVariant(42) << "042";
    }
    void counterTexts()
    {
        QFETCH(int, role);
        QFETCH(int, width);
        QFETCH(QChar, fill);
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), value, role);
        QCOMPARE(CounterRole(role, width, fill).text(model.index(0, 0)), text);
    }

    void standardCounterRoles_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("text");
        QTest::newRow("33") << 33 << "(05)";
        QTest::newRow("141") << 141 << "(05)";
        QTest::newRow("34") << 34 << "(005)";
        QTest::newRow("35") << 35 << "(005)";
        QTest::newRow("39") << 39 << "(5)";
        QTest::newRow("69") << 69 << "(5)";
        QTest::newRow("40 has none") << 40 << "";
    }
    void standardCounterRoles()
    {
        QFETCH(int, role);
        QFETCH(QString, text);
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), 5, role);
        SelectorItemDelegate delegate(RowWidth, RowHeight, QPixmap(), QPixmap(), QSize(30, 30));
        delegate.setCounterDataRole(34);
        delegate.setCounterDataRole(role);
        QCOMPARE(delegate.counterText(model.index(0, 0)), text);
        QCOMPARE(delegate.sizeHint(QStyleOptionViewItem(), model.index(0, 0)), QSize(RowWidth, RowHeight));
    }

    void countersJoinInParentheses()
    {
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), 7, 34);
        model.setData(model.index(0, 0), 3, 42);
        SelectorItemDelegate delegate(RowWidth, RowHeight, QPixmap(), QPixmap(), QSize(30, 30));
        delegate.setCounterRoles({CounterRole(34, 3, '0'), CounterRole(42, 5, '0')});
        QCOMPARE(delegate.counterText(model.index(0, 0)), QStringLiteral("(00700003)"));
        delegate.setCounterRole(new CounterRole(38, 1, '0'));
        QCOMPARE(delegate.counterText(model.index(0, 0)), QString());
    }

    void selectorRowsPaintTheirCounter_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<int>("lines");
        QTest::newRow("zone 7") << 34 << QVariant(7) << "(007)" << 1;
        QTest::newRow("no zone") << 34 << QVariant(255) << "" << 0;
        QTest::newRow("letter") << 38 << QVariant(3) << "(C)" << 1;
        QTest::newRow("address over two lines") << 69 << QVariant("/L1-23ab45") << "(L1-23\r\nab45)" << 2;
    }
    void selectorRowsPaintTheirCounter()
    {
        QFETCH(int, role);
        QFETCH(QVariant, value);
        QFETCH(QString, counter);
        QFETCH(int, lines);
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), QStringLiteral("Z"), Qt::DisplayRole);
        model.setData(model.index(0, 0), value, role);
        SelectorItemDelegate delegate(RowWidth, RowHeight, checkOn(), checkOff(), QSize(30, 30));
        delegate.setCounterRole(new CounterRole(role, role == 34 ? 3 : 1, '0'));
        QCOMPARE(delegate.counterText(model.index(0, 0)), counter);
        const QImage row = renderRow(delegate, model.index(0, 0));
        // The counter stands right of the text and left of the icon.
        const int counterWidth = QFontMetrics(FontRepository::instance()->normal15())
                                     .horizontalAdvance(counter.isEmpty() ? QStringLiteral("(000)") : counter);
        const int left = RowWidth - 30 - 10 - counterWidth - 2;
        const QRect counterArea(left, 0, counterWidth + 2, RowHeight - 2);
        QCOMPARE(bands(inkedRows(row, counterArea)), lines);
        QVERIFY(WidgetShot::fractionNear(row, QRect(0, 0, 4, RowHeight - 1), Qt::white, 2) > 0.99);
        QVERIFY(
            WidgetShot::isNear(WidgetShot::colourAt(row, QPoint(100, RowHeight - 1)), PaletteRepository::midGrey(), 2));
    }

    void highlightedRowsAreInverted_data()
    {
        QTest::addColumn<bool>("highlighted");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("ink");
        QTest::newRow("plain") << false << QColor(255, 255, 255) << QColor(38, 38, 38);
        QTest::newRow("highlighted") << true << QColor(38, 38, 38) << QColor(255, 255, 255);
    }
    void highlightedRowsAreInverted()
    {
        QFETCH(bool, highlighted);
        QFETCH(QColor, background);
        QFETCH(QColor, ink);
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), QStringLiteral("MMMMMMMM"), Qt::DisplayRole);
        model.setData(model.index(0, 0), highlighted, Qt::UserRole);
        SelectorItemDelegate delegate(RowWidth, RowHeight, QPixmap(), QPixmap(), QSize(30, 30));
        const QImage row = renderRow(delegate, model.index(0, 0));
        QCOMPARE(WidgetShot::colourAt(row, QPoint(2, 2)), background);
        const QRect text(5, 0, 150, RowHeight - 2);
        QVERIFY(WidgetShot::fractionNear(row, text, ink, 8) > 0.05);
        QVERIFY(WidgetShot::fractionNear(row, text, background, 8) > 0.5);
    }

    void iconsFollowSelectionAndCheckState_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("checkState");
        QTest::addColumn<bool>("withIcons");
        QTest::addColumn<bool>("expectChecked");
        QTest::newRow("selected") << true << int(Qt::Unchecked) << true << true;
        QTest::newRow("checked, not selected") << false << int(Qt::Checked) << true << true;
        QTest::newRow("unchecked") << false << int(Qt::Unchecked) << true << false;
        QTest::newRow("partly checked") << false << int(Qt::PartiallyChecked) << true << false;
        QTest::newRow("no images") << true << int(Qt::Checked) << false << false;
    }
    void iconsFollowSelectionAndCheckState()
    {
        QFETCH(bool, selected);
        QFETCH(int, checkState);
        QFETCH(bool, withIcons);
        QFETCH(bool, expectChecked);
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), checkState, Qt::CheckStateRole);
        SelectorItemDelegate delegate(RowWidth, RowHeight, withIcons ? checkOn() : QPixmap(),
                                      withIcons ? checkOff() : QPixmap(), QSize(30, 30));
        const QImage row = renderRow(delegate, model.index(0, 0), selected);
        const QRect iconArea(RowWidth - 35, (RowHeight - 30) / 2, 30, 30);
        QImage expected(30, 30, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::white);
        if (withIcons) {
            QPainter painter(&expected);
            painter.drawPixmap(0, 0, expectChecked ? checkOn() : checkOff());
        }
        QCOMPARE(row.copy(iconArea), expected);
    }

    void framesSizeTheList_data()
    {
        QTest::addColumn<bool>("wide");
        QTest::addColumn<bool>("shortList");
        QTest::addColumn<bool>("header");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("shadowWidth");
        QTest::newRow("wide short") << true << true << false << "80230_lview_wide_short" << QSize(614, 346) << 50 << 17
                                    << 594;
        QTest::newRow("wide tall") << true << false << true << "80096_ctasks_list" << QSize(614, 412) << 50 << 17
                                   << 594;
        QTest::newRow("short header") << false << true << true << "80043_list_sml_big_hdr" << QSize(306, 346) << 50
                                      << 17 << 286;
        QTest::newRow("short") << false << true << false << "80042_list_sml_selected" << QSize(306, 346) << 19 << 19
                               << 286;
        QTest::newRow("tall header") << false << false << true << "80040_list_lrg_big_hdr" << QSize(306, 412) << 44
                                     << 16 << 286;
        QTest::newRow("tall") << false << false << false << "80039_list_lrg_selected" << QSize(306, 412) << 16 << 16
                              << 286;
    }
    void framesSizeTheList()
    {
        QFETCH(bool, wide);
        QFETCH(bool, shortList);
        QFETCH(bool, header);
        QFETCH(QString, key);
        QFETCH(QSize, frame);
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(int, shadowWidth);
        FakeClock clock;
        QPixmapCache::clear();
        AUK_90048 list(window());
        list.move(5, 7);
        list.setWideListView(wide);
        list.setShortListview(shortList);
        list.setShowHeader(header);
        QPixmap cached;
        QVERIFY(QPixmapCache::find(key, &cached));
        QCOMPARE(cached.size(), frame);
        const int listHeight = frame.height() - top - bottom;
        QCOMPARE(list.geometry(), QRect(QPoint(5, 7), frame + QSize(12, 0)));
        QCOMPARE(list.minimumSize(), list.maximumSize());
        QCOMPARE(list.findChild<QLabel *>("bg")->geometry(), QRect(QPoint(0, 0), frame));
        QCOMPARE(list.listView()->geometry(), QRect(10, top, frame.width() - 20, listHeight));
        QCOMPARE(list.findChild<ScrollBar *>("scrollBar")->geometry(), QRect(frame.width() - 8, top, 16, listHeight));
        QCOMPARE(list.findChild<QLabel *>("topShadow")->geometry(), QRect(4, top, shadowWidth, 4));
        QCOMPARE(list.findChild<QLabel *>("bottomShadow")->geometry(),
                 QRect(4, frame.height() - 4 - bottom, shadowWidth, 4));
        // Wide frames always carry a header strip.
        QCOMPARE(list.headerWidget()->isHidden(), !(header || wide));
        QCOMPARE(list.headerWidget()->width(), frame.width() - 6);
    }

    void theDefaultIsTheShortListWithoutHeader()
    {
        FakeClock clock;
        AUK_90048 list;
        QCOMPARE(list.objectName(), QStringLiteral("AUK_90048"));
        QCOMPARE(list.size(), QSize(318, 346));
        QCOMPARE(list.listView()->geometry(), QRect(10, 19, 286, 308));
        QVERIFY(list.headerWidget()->isHidden());
        QCOMPARE(list.checkImageSize(), QSize(-1, -1));
        list.setDelegateCheckedImage(QPixmap(20, 34));
        list.setDelegateUncheckedImage(checkOff());
        QCOMPARE(list.checkImageSize(), QSize(30, 34));
    }

    void indicatorAndShadowsShowWhereRowsLie()
    {
        FakeClock clock;
        QStandardItemModel model;
        AUK_90048 list(window());
        list.setDelegateHeight(RowHeight);
        list.show();
        auto *scrollBar = list.findChild<ScrollBar *>("scrollBar");
        auto *topShadow = list.findChild<QLabel *>("topShadow");
        auto *bottomShadow = list.findChild<QLabel *>("bottomShadow");

        fillZones(model, 3);
        list.installSelectorDelegate(&model);
        list.listView()->doItemsLayout();
        QCOMPARE(list.listView()->verticalScrollBar()->maximum(), 0);
        QVERIFY(scrollBar->isHidden());
        QVERIFY(topShadow->isHidden());
        QVERIFY(bottomShadow->isHidden());

        fillZones(model, 12);
        list.listView()->doItemsLayout();
        QCOMPARE(list.listView()->verticalScrollBar()->maximum(), 12 * RowHeight - 308);
        QVERIFY(!scrollBar->isHidden());
        QVERIFY(topShadow->isHidden());
        QVERIFY(!bottomShadow->isHidden());
        list.listView()->verticalScrollBar()->setValue(100);
        QVERIFY(!topShadow->isHidden());
        QVERIFY(!bottomShadow->isHidden());
        QCOMPARE(scrollBar->thumb()->y(), 100 * (308 - 40) / (12 * RowHeight - 308));
    }

    void selectAllFollowsTheOtherRows()
    {
        FakeClock clock;
        QStandardItemModel model;
        fillZones(model, 4);
        AUK_90048 list(window());
        list.setFirstItemSelectAll(true);
        list.setDelegateHeight(RowHeight);
        list.installSelectorDelegate(&model);
        list.listView()->setSelectionMode(QAbstractItemView::MultiSelection);
        QSignalSpy changes(&list, &AUK_90048::selectionChanged);
        QItemSelectionModel *selection = list.listView()->selectionModel();

        list.selectRow(model.index(1, 0));
        list.selectRow(model.index(2, 0));
        QVERIFY(!selection->isSelected(model.index(0, 0)));
        list.selectRow(model.index(3, 0));
        QVERIFY(selection->isSelected(model.index(0, 0)));
        QCOMPARE(list.selectedCount(), 3);
        QCOMPARE(changes.last().at(0).value<QModelIndexList>().count(), 4);

        selection->select(model.index(2, 0), QItemSelectionModel::Deselect);
        QVERIFY(!selection->isSelected(model.index(0, 0)));
        QCOMPARE(list.selectedCount(), 2);

        // An empty selection is reported twice.
        changes.clear();
        selection->clearSelection();
        QCOMPARE(changes.count(), 2);
        QVERIFY(changes.at(0).at(0).value<QModelIndexList>().isEmpty());
        QCOMPARE(list.selectedCount(), 0);
    }

    void aTapOnTheSelectAllRowTogglesEveryRow()
    {
        FakeClock clock;
        QStandardItemModel model;
        fillZones(model, 4);
        AUK_90048 list(window());
        list.setFirstItemSelectAll(true);
        list.setDelegateHeight(RowHeight);
        list.installSelectorDelegate(&model);
        list.listView()->setSelectionMode(QAbstractItemView::MultiSelection);
        list.show();
        list.listView()->doItemsLayout();
        QWidget *viewport = list.listView()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(20, 20));
        clock.advance(100);
        QCOMPARE(list.listView()->selectionModel()->selectedIndexes().count(), 4);
        QCOMPARE(list.selectedCount(), 3);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(20, 20));
        clock.advance(100);
        QCOMPARE(list.selectedCount(), 0);
    }

    void theSameModelOnlySwapsTheDelegate()
    {
        FakeClock clock;
        QStandardItemModel model;
        fillZones(model, 4);
        AUK_90048 list(window());
        list.setDelegateHeight(RowHeight);
        list.installSelectorDelegate(&model);
        list.listView()->setSelectionMode(QAbstractItemView::MultiSelection);
        QItemSelectionModel *selection = list.listView()->selectionModel();
        list.selectRow(model.index(2, 0));
        SelectorItemDelegate other(1, 1, QPixmap(), QPixmap(), QSize());
        list.replaceDelegate(&model, &other);
        QCOMPARE(list.listView()->itemDelegate(), &other);
        QCOMPARE(list.listView()->selectionModel(), selection);
        QCOMPARE(list.selectedCount(), 1);

        QStandardItemModel second;
        fillZones(second, 2);
        QSignalSpy changes(&list, &AUK_90048::selectionChanged);
        list.setModelAndDelegate(&second, &other);
        QVERIFY(list.listView()->selectionModel() != selection);
        QCOMPARE(list.selectedCount(), 0);
        list.selectRow(second.index(1, 0));
        QCOMPARE(changes.count(), 1);
    }

    void aFactoryMakesTheDelegateAndSplitsTheTouchArea()
    {
        FakeClock clock;
        QStandardItemModel model;
        fillZones(model, 30);
        AUK_90048 list(window());
        auto *factory = new TestFactory;
        list.setItemDelegateFactory(factory);
        QCOMPARE(factory->parent(), &list);
        list.installSelectorDelegate(&model);
        QCOMPARE(factory->lastList, &list);
        QCOMPARE(list.listView()->itemDelegate()->sizeHint(QStyleOptionViewItem(), model.index(0, 0)), QSize(10, 30));
        list.show();
        list.listView()->doItemsLayout();
        // A drag in the right half does not scroll; in the left half it does.
        QWidget *viewport = list.listView()->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(250, 200));
        QMouseEvent right(QEvent::MouseMove, QPoint(250, 100), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &right);
        QCOMPARE(list.listView()->verticalScrollBar()->value(), 0);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(250, 100));
        QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(20, 200));
        QMouseEvent left(QEvent::MouseMove, QPoint(20, 100), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &left);
        QCOMPARE(list.listView()->verticalScrollBar()->value(), 100);
    }

    void theSmallListPlacesItsListUnderTheHeader_data()
    {
        QTest::addColumn<bool>("header");
        QTest::addColumn<int>("top");
        QTest::newRow("with header") << true << 43;
        QTest::newRow("without header") << false << 15;
    }
    void theSmallListPlacesItsListUnderTheHeader()
    {
        QFETCH(bool, header);
        QFETCH(int, top);
        FakeClock clock;
        AUK_90020 list;
        QCOMPARE(list.size(), QSize(314, 346));
        QVERIFY(list.showHeader());
        list.setShowHeader(header);
        QCOMPARE(list.listView()->geometry(), QRect(4, top, 298, 346 - top - 15));
        QCOMPARE(list.findChild<QLabel *>("leftShadow")->geometry(), QRect(4, top, 6, 346 - top - 15));
        QCOMPARE(list.findChild<QLabel *>("rightShadow")->geometry(), QRect(296, top, 6, 346 - top - 15));
        QCOMPARE(list.headerWidget()->isHidden(), !header);
    }

    void theSmallListShadowsFollowTheScroll()
    {
        FakeClock clock;
        QStandardItemModel model;
        for (int i = 0; i < 4; ++i) {
            auto *item = new QStandardItem(QString::number(i));
            item->setSizeHint(QSize(298, 200));
            model.appendRow(item);
        }
        AUK_90020 list(window());
        list.setHeaderText(QStringLiteral("Left"));
        list.setHeaderText(QStringLiteral("Right"));
        QCOMPARE(list.headerWidget()->findChildren<QLabel *>().count(), 1);
        list.setModel(&model);
        list.show();
        list.listView()->doItemsLayout();
        QScrollBar *bar = list.listView()->horizontalScrollBar();
        QCOMPARE(bar->maximum(), 3 * 298);
        auto *leftShadow = list.findChild<QLabel *>("leftShadow");
        auto *rightShadow = list.findChild<QLabel *>("rightShadow");
        QVERIFY(leftShadow->isHidden());
        QVERIFY(!rightShadow->isHidden());
        bar->setValue(bar->maximum());
        QVERIFY(!leftShadow->isHidden());
        QVERIFY(rightShadow->isHidden());
    }

    void screenshots()
    {
        FakeClock clock;
        QStandardItemModel model;
        fillZones(model, 12);
        model.setData(model.index(1, 0), true, Qt::UserRole);
        model.setData(model.index(4, 0), 255, ZoneRole);
        model.setData(model.index(4, 0), QStringLiteral("Zone with a long name that wraps"), Qt::DisplayRole);
        struct Variant
        {
            const char *name;
            bool wide;
            bool shortList;
            bool header;
        };
        const Variant variants[] = {{"wide_short", true, true, false},   {"wide_tall", true, false, false},
                                    {"short_header", false, true, true}, {"short", false, true, false},
                                    {"tall_header", false, false, true}, {"tall", false, false, false}};
        for (const Variant &variant : variants) {
            AUK_90048 list(window());
            list.setWideListView(variant.wide);
            list.setShortListview(variant.shortList);
            list.setShowHeader(variant.header);
            list.setDelegateHeight(RowHeight);
            list.setDelegateCheckedImage(checkOn());
            list.setDelegateUncheckedImage(checkOff());
            list.installSelectorDelegate(&model);
            static_cast<SelectorItemDelegate *>(list.listView()->itemDelegate())->setCounterDataRole(ZoneRole);
            auto *title = new QLabel(QStringLiteral("Zones"), list.headerWidget());
            title->setGeometry(12, 0, 200, 44);
            title->setFont(FontRepository::instance()->bold18());
            title->setPalette(PaletteRepository::instance()->whiteTextPalette());
            list.show();
            list.listView()->doItemsLayout();
            list.listView()->selectionModel()->select(model.index(2, 0), QItemSelectionModel::Select);
            const QImage shot = WidgetShot::grab(&list);
            // Row 1 is highlighted; the frame and the first row are painted.
            const int top = list.listView()->y();
            QVERIFY(WidgetShot::fractionNear(shot, QRect(12, top + RowHeight + 5, 100, 5), QColor(38, 38, 38), 4)
                    > 0.5);
            QVERIFY(!WidgetShot::isTransparent(shot, QRect(0, 0, 10, 10)));
            WidgetShot::saveForReview(shot, QStringLiteral("AUK_90048_") + QLatin1String(variant.name));
        }

        QStandardItemModel cards;
        for (int i = 0; i < 3; ++i) {
            auto *item = new QStandardItem(QStringLiteral("Item %1").arg(i + 1));
            item->setSizeHint(QSize(298, 288));
            item->setBackground(QColor(225, 225, 225));
            cards.appendRow(item);
        }
        AUK_90020 small(window());
        small.setHeaderText(QStringLiteral("3 items"));
        small.setModel(&cards);
        small.show();
        small.listView()->doItemsLayout();
        const QImage shot = WidgetShot::grab(&small);
        QVERIFY(!WidgetShot::isTransparent(shot, QRect(0, 0, 10, 10)));
        WidgetShot::saveForReview(shot, QStringLiteral("AUK_90020"));
    }
};

QTEST_MAIN(tst_ListViews)
#include "tst_listviews.moc"
