#include "PaintRecorder.h"
#include "WidgetShot.h"
#include "WidgetTest.h"
#include "link/WrapDirectional.h"
#include "widgets/AUK_90040.h"
#include "widgets/AUK_90062.h"
#include "widgets/ListItem2ColumnDelegate.h"
#include "widgets/NameValuePairItem.h"
#include "widgets/PaletteRepository.h"
#include "widgets/SystemReviewItemDelegate.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeView>
#include <QtTest>

namespace {

// Groups of name-and-value entries, as the system review shows them.
void fillReview(QStandardItemModel &model, int groups, int entries)
{
    model.clear();
    for (int group = 0; group < groups; ++group) {
        auto *header = new NameValuePairItem(QStringLiteral("Panel %1").arg(group + 1), QString());
        for (int entry = 0; entry < entries; ++entry)
            header->appendRow(
                new NameValuePairItem(QStringLiteral("Loop %1 devices").arg(entry + 1), QString::number(100 + entry)));
        model.appendRow(header);
    }
}

void fillTable(QStandardItemModel &model, int rows, int columns)
{
    model.clear();
    model.setColumnCount(columns);
    for (int row = 0; row < rows; ++row) {
        QList<QStandardItem *> cells;
        for (int column = 0; column < columns; ++column)
            cells << new QStandardItem(column == 5 ? QString() : QStringLiteral("%1.%2").arg(row + 1).arg(column + 1));
        model.appendRow(cells);
    }
    const QStringList labels = {"Zone", "Address", "Device", "Made", "Expires", ""};
    model.setHorizontalHeaderLabels(labels.mid(0, columns));
}

bool allExpanded(const QTreeView *view, const QModelIndex &parent = QModelIndex())
{
    const QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        if (model->hasChildren(index) && (!view->isExpanded(index) || !allExpanded(view, index)))
            return false;
    }
    return true;
}

} // namespace

class tst_ReviewViews : public WidgetTest
{
    Q_OBJECT

private slots:
    void wrapDirectionalFramesByDirection_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("framed");
        QTest::newRow("latin") << "Loop 1" << QStringLiteral("\u202ALoop 1\u200E\u202C");
        QTest::newRow("hebrew") << QStringLiteral("\u05D0\u05D1") << QStringLiteral("\u202B\u05D0\u05D1\u200F\u202C");
        QTest::newRow("empty") << "" << QStringLiteral("\u202A\u200E\u202C");
    }
    void wrapDirectionalFramesByDirection()
    {
        QFETCH(QString, text);
        QFETCH(QString, framed);
        QCOMPARE(wrapDirectional(text), framed);
    }

    void nameValuePairsGiveTwoRoles()
    {
        const NameValuePairItem item(QStringLiteral("Software"), QStringLiteral("3.6"));
        QCOMPARE(item.data(Qt::DisplayRole).toString(), QStringLiteral("Software"));
        QCOMPARE(item.data(55).toString(), QStringLiteral("3.6"));
        QVERIFY(!item.data(56).isValid());
        QVERIFY(!item.data(Qt::UserRole + 1).isValid());
    }

    void twoColumnRowsAreFortyHigh()
    {
        QStandardItemModel model;
        model.appendRow(new NameValuePairItem(QString(300, QLatin1Char('n')), QStringLiteral("v")));
        const ListItem2ColumnDelegate delegate(207);
        QCOMPARE(delegate.sizeHint(QStyleOptionViewItem(), model.index(0, 0)), QSize(10, 40));
        PaintRecorder recorder(QSize(400, 40));
        QPainter painter(&recorder);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 400, 40);
        delegate.paint(&painter, option, model.index(0, 0));
        painter.end();
        QCOMPARE(recorder.lines.size(), 1);
        QCOMPARE(recorder.lines.first(), QLineF(0, 39, 392, 39));
        const QList<PaintRecorder::Text> values = recorder.textsIn(QRectF(207, 0, 193, 40));
        QCOMPARE(values.size(), 1);
        QCOMPARE(values.first().text, QStringLiteral("v"));
    }

    // Group rows lie on a textured band, entries on the plain background.
    void groupRowsHaveABand()
    {
        QStandardItemModel model;
        fillReview(model, 1, 1);
        const SystemReviewItemDelegate delegate(250);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 600, 40);
        const QModelIndex group = model.index(0, 0);
        for (const QModelIndex &index : {group, model.index(0, 0, group)}) {
            QImage image(600, 40, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            delegate.paint(&painter, option, index);
            painter.end();
            const double band = WidgetShot::fractionNear(image, QRect(12, 2, 5, 30), QColor(0xdd, 0xe6, 0xf0), 4);
            QCOMPARE(band > 0.9, index == group);
        }
    }

    void theTreeOpensFullyAndATapFolds()
    {
        AUK_90040 tree(window());
        QStandardItemModel model;
        fillReview(model, 3, 4);
        model.item(1)->child(0)->appendRow(new NameValuePairItem(QStringLiteral("Detail"), QStringLiteral("x")));
        tree.treeView()->collapseAll();
        tree.show();
        tree.setModel(&model);
        QVERIFY(allExpanded(tree.treeView()));
        QSignalSpy atEnd(&tree, &AUK_90040::scrollBarAtEnd);
        QSignalSpy atStart(&tree, &AUK_90040::scrollBarAtStart);
        const QModelIndex group = model.index(1, 0);
        emit tree.treeView()->clicked(group);
        QVERIFY(!tree.treeView()->isExpanded(group));
        QVERIFY(atEnd.count() >= 1);
        QVERIFY(atStart.count() >= 1);
        emit tree.treeView()->clicked(group);
        QVERIFY(tree.treeView()->isExpanded(group));
        QVERIFY(qobject_cast<SystemReviewItemDelegate *>(tree.treeView()->itemDelegate()));
    }

    void theTreeTitleFollowsTheTextDirection()
    {
        AUK_90040 tree(window());
        QLabel *title = tree.findChild<QLabel *>(QStringLiteral("title"));
        tree.setHeaderRightToLeft(true);
        QCOMPARE(title->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        tree.setHeaderRightToLeft(false);
        QCOMPARE(title->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        tree.setTitle(QStringLiteral("System review"));
        QCOMPARE(tree.property("title").toString(), QStringLiteral("System review"));
    }

    void tableColumnsAndRows_data()
    {
        QTest::addColumn<int>("columns");
        QTest::newRow("six columns") << 6;
        QTest::newRow("four columns") << 4;
    }
    void tableColumnsAndRows()
    {
        QFETCH(int, columns);
        const int widths[] = {115, 105, 125, 105, 125, 32};
        AUK_90062 table(window());
        QStandardItemModel model;
        fillTable(model, 3, columns);
        table.setModel(&model);
        QCOMPARE(table.tableView()->horizontalHeader()->count(), columns);
        for (int column = 0; column < columns; ++column)
            QCOMPARE(table.tableView()->columnWidth(column), widths[column]);
        QCOMPARE(table.tableView()->rowHeight(0), 36);
    }

    void shadowsShowWhereRowsLie_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("scrollToEnd");
        QTest::addColumn<bool>("top");
        QTest::addColumn<bool>("bottom");
        QTest::newRow("rows fit") << 3 << false << false << false;
        QTest::newRow("more below") << 30 << false << false << true;
        QTest::newRow("more above") << 30 << true << true << false;
    }
    void shadowsShowWhereRowsLie()
    {
        QFETCH(int, rows);
        QFETCH(bool, scrollToEnd);
        QFETCH(bool, top);
        QFETCH(bool, bottom);
        AUK_90062 table(window());
        table.show();
        QStandardItemModel model;
        fillTable(model, rows, 6);
        table.setModel(&model);
        QScrollBar *bar = table.tableView()->verticalScrollBar();
        QTRY_VERIFY(rows < 6 || bar->maximum() > 0);
        if (scrollToEnd)
            bar->setValue(bar->maximum());
        QCOMPARE(table.findChild<QLabel *>(QStringLiteral("topShadow"))->isVisible(), top);
        QCOMPARE(table.findChild<QLabel *>(QStringLiteral("bottomShadow"))->isVisible(), bottom);
    }

    void screenshots()
    {
        EnglishTexts english;
        QVERIFY(english.isLoaded());
        AUK_90040 tree(window());
        tree.setTitle(QStringLiteral("System review"));
        QStandardItemModel review;
        fillReview(review, 3, 3);
        tree.show();
        tree.setModel(&review);
        QVERIFY2(WidgetShot::textProblems(&tree).isEmpty(), qPrintable(WidgetShot::textProblems(&tree)));
        const QImage treeShot = WidgetShot::grab(&tree);
        WidgetShot::saveForReview(treeShot, QStringLiteral("AUK_90040"));
        QVERIFY(WidgetShot::fractionNear(treeShot, QRect(200, 60, 50, 20), QColor(0xdd, 0xe6, 0xf0), 8) > 0.9);
        WidgetShot::saveForReview(treeShot, QStringLiteral("AUK_90040"));

        AUK_90062 table(window());
        table.setTitle(QStringLiteral("Device dates"));
        QStandardItemModel rows;
        fillTable(rows, 12, 6);
        table.show();
        table.setModel(&rows);
        QVERIFY2(WidgetShot::textProblems(&table).isEmpty(), qPrintable(WidgetShot::textProblems(&table)));
        WidgetShot::saveForReview(WidgetShot::grab(&table), QStringLiteral("AUK_90062"));
    }
};

QTEST_MAIN(tst_ReviewViews)
#include "tst_reviewviews.moc"
