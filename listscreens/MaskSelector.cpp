#include "listscreens/MaskSelector.h"

#include "pointmodels/FilterModel.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QListView>
#include <QStandardItem>

MaskSelector::MaskSelector(const Kind &kind, FilterModel *model, QButtonGroup *group, QObject *parent)
    : FilterSelector(group, parent, true)
    , m_kind(kind)
    , m_model(model)
{
    m_button = makeFilterButton(translated(kind.buttonKey));
    connect(m_button.data(), &QAbstractButton::clicked, this, &FilterSelector::activated);
    m_usesScrollButtons = true;
}

MaskSelector::~MaskSelector()
{
    // The list shows the rows held here: it goes first.
    delete m_filterEditor.data();
    delete m_button.data();
}

QString MaskSelector::translated(const char *key) const
{
    return QCoreApplication::translate(m_kind.context, key);
}

QWidget *MaskSelector::button()
{
    return m_button.data();
}

QWidget *MaskSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    AUK_90048 *list = ensureFilterEditor().data();
    list->setObjectName(QString::fromLatin1(m_kind.editorName));
    styleList(list, true);
    if (m_showAll) {
        list->setFirstItemSelectAll(true);
        QStandardItem *all = makeAllRow(m_kind.bitRole, 0);
        // The all row stands for the others and adds no bit of its own.
        all->setData(QVariant(), m_kind.bitRole);
        all->setCheckable(true);
        m_rows.appendRow(all);
    }
    for (const Row &row : m_kind.rows) {
        auto *item = new QStandardItem(translated(row.key));
        item->setEditable(false);
        item->setCheckable(true);
        item->setData(row.bit, m_kind.bitRole);
        m_rows.appendRow(item);
    }
    list->installSelectorDelegate(&m_rows);
    connect(list, &AUK_90048::selectionChanged, this, &MaskSelector::editorSelectionChanged);
    return list;
}

void MaskSelector::editorSelectionChanged(const QModelIndexList &selected)
{
    const int count = m_filterEditor->selectedCount();
    QString text;
    if (count == 1 && !selected.isEmpty())
        text = selected.first().data().toString();
    else if (count > 1)
        text = QStringLiteral("%1 %2").arg(count).arg(translated(m_kind.severalKey));
    m_button->setButtonValue(text);
    int mask = 0;
    for (const QModelIndex &index : m_filterEditor->listView()->selectionModel()->selectedIndexes())
        mask |= index.data(m_kind.bitRole).toInt();
    if (m_model)
        m_model.data()->*m_kind.mask = mask;
    emit valueChanged(count);
}

void MaskSelector::reset(bool disableFilterButton)
{
    clearButton(m_button.data(), disableFilterButton);
    clearEditorSelection();
}

void MaskSelector::activate()
{
    activateButton(m_button.data());
}

void MaskSelector::deactivate()
{
    deactivateButton(m_button.data());
}
