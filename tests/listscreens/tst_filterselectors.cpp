#include "WidgetTest.h"
#include "listscreens/BasicFilterSelector.h"
#include "listscreens/MenuFilterSelector.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"

#include <QAbstractItemModelTester>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The smallest point-settings selector: it shows a list and reports the
// row chosen.
class RowsSelector final : public BasicFilterSelector
{
    Q_OBJECT

public:
    RowsSelector(QButtonGroup *group, int rows)
        : BasicFilterSelector(nullptr, group, nullptr)
    {
        for (int row = 0; row < rows; ++row)
            m_rows.appendRow(new QStandardItem(QStringLiteral("Row %1").arg(row)));
    }

    QWidget *filterEditor() override
    {
        if (m_filterEditor)
            return m_filterEditor.data();
        AUK_90048 *list = ensureFilterEditor().data();
        styleList(list, false);
        list->installSelectorDelegate(&m_rows);
        return list;
    }
    AUK_90008 *filterButton() const { return m_button.data(); }

    QList<QModelIndex> clicks;
    QStringList chosen;

public slots:
    void itemClicked(const QModelIndex &index) override
    {
        clicks.append(index);
        for (const QModelIndex &selected : m_filterEditor->listView()->selectionModel()->selectedIndexes())
            chosen.append(selected.data().toString());
    }

private:
    QStandardItemModel m_rows;
};

AUK_90008 *buttonOf(FilterSelector &selector)
{
    return qobject_cast<AUK_90008 *>(selector.button());
}

QListView *listOf(FilterSelector &selector)
{
    return qobject_cast<AUK_90048 *>(selector.filterEditor())->listView();
}

QStringList rowTexts(const QAbstractItemModel &model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, 0).data().toString();
    return texts;
}

} // namespace

// The filter selector base, the menu selector over a folder and the base of
// the point-settings selectors.
class tst_FilterSelectors : public WidgetTest
{
    Q_OBJECT

private slots:
    void menuListsOnlyDollarSubdirectories()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QDir dir(root.path());
        for (const char *name : {"$Beta", "$Alpha", "Plain", "$"})
            QVERIFY(dir.mkdir(QString::fromLatin1(name)));
        QFile file(dir.filePath(QStringLiteral("$File")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("$Alpha")), dir.filePath(QStringLiteral("$Linked"))));
        QButtonGroup group;
        MenuFilterSelector selector(&group, 0, nullptr);
        selector.setPath(root.path());
        QAbstractItemModelTester tester(const_cast<QStandardItemModel *>(&selector.model()),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QListView *list = listOf(selector);
        QCOMPARE(selector.filterEditor()->objectName(), QStringLiteral("MenuFilterSelector::m_filterEditor"));
        QCOMPARE(rowTexts(selector.model()), (QStringList{"", "Alpha", "Beta"}));
        QCOMPARE(selector.model().index(1, 0).data(MenuFilterSelector::PathRole).toString(),
                 dir.absoluteFilePath(QStringLiteral("$Alpha")));
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!selector.usesScrollButtons());

        // A new folder appears after a reload only.
        QVERIFY(dir.mkdir(QStringLiteral("$Gamma")));
        QCOMPARE(selector.model().rowCount(), 3);
        selector.reloadEditor();
        QCOMPARE(rowTexts(selector.model()), (QStringList{"", "Alpha", "Beta", "Gamma"}));
    }

    void menuWithoutAFolderIsEmpty()
    {
        QButtonGroup group;
        MenuFilterSelector selector(&group, 2, nullptr);
        selector.setPath(QStringLiteral("/no/such/folder"));
        selector.filterEditor();
        QCOMPARE(selector.model().rowCount(), 0);
        QCOMPARE(selector.selectedValue(), QString());
    }

    void menuLabelByKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("label");
        QTest::newRow("project") << 0 << "_PROJECT_FILTERBTN";
        QTest::newRow("panel") << 1 << "_PANEL_FILTERBTN";
        QTest::newRow("tesk") << 2 << "_TESK_FILTERBTN";
        QTest::newRow("other") << 7 << "";
    }

    void menuLabelByKind()
    {
        QFETCH(int, kind);
        QFETCH(QString, label);
        QButtonGroup group;
        MenuFilterSelector selector(&group, kind, nullptr);
        QCOMPARE(buttonOf(selector)->buttonLabel(), label);
        QVERIFY(buttonOf(selector)->isCheckable());
        QVERIFY(group.buttons().contains(buttonOf(selector)));
    }

    void menuChoiceAndReset()
    {
        QTemporaryDir root;
        QDir(root.path()).mkdir(QStringLiteral("$Site A"));
        QDir(root.path()).mkdir(QStringLiteral("$Site B"));
        QButtonGroup group;
        MenuFilterSelector selector(&group, 0, nullptr);
        selector.setPath(root.path());
        QSignalSpy values(&selector, &FilterSelector::valueChanged);

        // Before the editor exists a reset only clears the button.
        buttonOf(selector)->setButtonValue(QStringLiteral("Old"));
        selector.reset(true);
        QVERIFY(!buttonOf(selector)->isEnabled());
        QCOMPARE(selector.selectedText(), QString());
        QCOMPARE(values.count(), 0);

        QListView *list = listOf(selector);
        // A click that leaves nothing selected keeps the text on the button.
        buttonOf(selector)->setButtonValue(QStringLiteral("Kept"));
        selector.itemClicked(QModelIndex());
        QCOMPARE(selector.selectedText(), QStringLiteral("Kept"));
        QCOMPARE(values.takeFirst().first().toInt(), 0);

        list->setCurrentIndex(selector.model().index(1, 0));
        emit list->clicked(selector.model().index(1, 0));
        QCOMPARE(selector.selectedText(), QStringLiteral("Site B"));
        QCOMPARE(selector.selectedValue(), QDir(root.path()).absoluteFilePath(QStringLiteral("$Site B")));
        QCOMPARE(values.takeFirst().first().toInt(), 1);

        selector.reset(false);
        QVERIFY(buttonOf(selector)->isEnabled());
        QCOMPARE(selector.selectedValue(), QString());
        QCOMPARE(values.takeFirst().first().toInt(), 0);
    }

    void activateAndDeactivate()
    {
        QButtonGroup group;
        MenuFilterSelector first(&group, 0, nullptr);
        QSignalSpy activated(&first, &FilterSelector::activated);
        first.activate();
        QVERIFY(buttonOf(first)->isChecked());
        QCOMPARE(activated.count(), 1);
        first.deactivate();
        QVERIFY(!buttonOf(first)->isChecked());
        QVERIFY(group.exclusive());
        QTest::mouseClick(buttonOf(first), Qt::LeftButton);
        QCOMPARE(activated.count(), 2);
    }

    void deletedEditorIsBuiltAfresh()
    {
        QButtonGroup group;
        MenuFilterSelector selector(&group, 0, nullptr);
        QPointer<QWidget> editor = selector.filterEditor();
        QCOMPARE(selector.filterEditor(), editor.data());
        delete editor.data();
        QVERIFY(!editor);
        QWidget *again = selector.filterEditor();
        QVERIFY(again);
        QCOMPARE(again->objectName(), QStringLiteral("MenuFilterSelector::m_filterEditor"));
    }

    void scrollSignalsReachTheEditor()
    {
        QButtonGroup group;
        RowsSelector selector(&group, 3);
        selector.scrollToRow(1);
        auto *list = qobject_cast<AUK_90048 *>(selector.filterEditor());
        QSignalSpy down(list, &AUK_90048::scrollDownButtonHeld);
        QSignalSpy atEnd(&selector, &FilterSelector::scrollBarAtEnd);
        emit selector.scrollDownButtonHeld();
        QCOMPARE(down.count(), 1);
        emit list->scrollBarAtEnd(true);
        QCOMPARE(atEnd.count(), 1);
        QVERIFY(atEnd.first().first().toBool());
    }

    void basicListStyle()
    {
        QButtonGroup group;
        RowsSelector selector(&group, 2);
        auto *list = qobject_cast<AUK_90048 *>(selector.filterEditor());
        QCOMPARE(list->delegateHeight(), 65);
        QVERIFY(!list->delegateCheckedImage().isNull());
        QCOMPARE(list->listView()->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(selector.usesScrollButtons());
    }

    void autoSelectSingleItem_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("chosen");
        QTest::newRow("no rows") << 0 << QStringList{};
        QTest::newRow("one row") << 1 << QStringList{"Row 0"};
        QTest::newRow("two rows") << 2 << QStringList{};
    }

    void autoSelectSingleItem()
    {
        QFETCH(int, rows);
        QFETCH(QStringList, chosen);
        QButtonGroup group;
        RowsSelector selector(&group, rows);
        selector.autoSelectSingleItem();
        QVERIFY(selector.clicks.isEmpty());
        selector.filterEditor();
        selector.autoSelectSingleItem();
        QCOMPARE(selector.chosen, chosen);
        QCOMPARE(selector.clicks.size(), chosen.size());
        if (!selector.clicks.isEmpty())
            QVERIFY(!selector.clicks.first().isValid());
    }

    void basicResetEmitsNothing()
    {
        RowsSelector selector(nullptr, 2);
        QSignalSpy values(&selector, &FilterSelector::valueChanged);
        QListView *list = listOf(selector);
        list->setCurrentIndex(list->model()->index(1, 0));
        selector.reset(true);
        QVERIFY(list->selectionModel()->selectedIndexes().isEmpty());
        QVERIFY(!selector.filterButton()->isEnabled());
        QCOMPARE(values.count(), 0);
        // Without a group the button still toggles.
        selector.filterButton()->setEnabled(true);
        selector.activate();
        QVERIFY(selector.filterButton()->isChecked());
        selector.deactivate();
        QVERIFY(!selector.filterButton()->isChecked());
    }
};

QTEST_MAIN(tst_FilterSelectors)
#include "tst_filterselectors.moc"
