#include "listscreens/MenuFilterSelector.h"

#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"
#include "widgets/FilterButton.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QListView>

MenuFilterSelector::MenuFilterSelector(QButtonGroup *group, int kind, QObject *parent)
    : FilterSelector(group, parent, false)
{
    QString label;
    if (kind == 0)
        label = tr("_PROJECT_FILTERBTN");
    else if (kind == 1)
        label = FilterButton::tr("_PANEL_FILTERBTN");
    else if (kind == 2)
        label = tr("_TESK_FILTERBTN");
    m_button = makeFilterButton(label);
    connect(m_button.data(), &QAbstractButton::clicked, this, &FilterSelector::activated);
}

MenuFilterSelector::~MenuFilterSelector()
{
    delete m_button.data();
}

QWidget *MenuFilterSelector::button()
{
    return m_button.data();
}

QWidget *MenuFilterSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    AUK_90048 *list = ensureFilterEditor().data();
    list->setObjectName(QStringLiteral("MenuFilterSelector::m_filterEditor"));
    styleList(list, false);
    rebuildModel();
    showModel();
    connect(list->listView(), &QAbstractItemView::clicked, this, &MenuFilterSelector::itemClicked);
    return list;
}

void MenuFilterSelector::showModel()
{
    m_filterEditor->installSelectorDelegate(&m_model);
    m_filterEditor->listView()->setSelectionMode(QAbstractItemView::SingleSelection);
}

void MenuFilterSelector::rebuildModel()
{
    m_model.clear();
    const QFileInfoList entries = QDir(m_path).entryInfoList(
        {QStringLiteral("$*")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &entry : entries) {
        auto *item = new QStandardItem(entry.fileName().mid(1));
        item->setData(entry.absoluteFilePath(), PathRole);
        m_model.appendRow(item);
    }
}

void MenuFilterSelector::reloadEditor()
{
    if (!m_filterEditor)
        return;
    rebuildModel();
    showModel();
}

QString MenuFilterSelector::selectedValue() const
{
    if (!m_filterEditor || !m_filterEditor->listView()->selectionModel())
        return QString();
    const QModelIndexList selected = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.first().data(PathRole).toString();
}

QString MenuFilterSelector::selectedText() const
{
    return m_button ? m_button->buttonValue() : QString();
}

void MenuFilterSelector::reset(bool disableFilterButton)
{
    clearButton(m_button.data(), disableFilterButton);
    if (clearEditorSelection())
        emit valueChanged(0);
}

void MenuFilterSelector::activate()
{
    activateButton(m_button.data());
}

void MenuFilterSelector::deactivate()
{
    deactivateButton(m_button.data());
}

void MenuFilterSelector::itemClicked(const QModelIndex &)
{
    QItemSelectionModel *selection = m_filterEditor ? m_filterEditor->listView()->selectionModel() : nullptr;
    const QModelIndexList selected = selection ? selection->selectedIndexes() : QModelIndexList();
    if (!selected.isEmpty() && m_button)
        m_button->setButtonValue(selected.first().data().toString());
    emit valueChanged(selected.size());
}
