#include "listscreens/DevicesSelector.h"

#include "pointmodels/FilterModel.h"
#include "pointmodels/FilteredRoles.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"
#include "widgets/SelectorItemDelegate.h"

#include <QBitArray>
#include <QItemSelectionModel>
#include <QListView>

DevicesSelector::DevicesSelector(FilterModel *model, QButtonGroup *group, QObject *parent)
    : FilterSelector(group, parent, true)
    , m_model(model)
{
    m_filterButton = makeFilterButton(tr("_DEVICES_FILTERBTN"));
    connect(m_filterButton.data(), &QAbstractButton::clicked, this, &DevicesSelector::updateModel);
    m_usesScrollButtons = true;
}

DevicesSelector::~DevicesSelector()
{
    delete m_filterButton.data();
}

QWidget *DevicesSelector::button()
{
    return m_filterButton.data();
}

QWidget *DevicesSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    AUK_90048 *list = ensureFilterEditor().data();
    list->setObjectName(QStringLiteral("DevicesSelector::m_filterEditor"));
    styleList(list, true);
    list->setFirstItemSelectAll(true);
    connect(list, &AUK_90048::selectionChanged, this, &DevicesSelector::editorSelectionChanged);
    return list;
}

void DevicesSelector::updateModel()
{
    filterEditor();
    if (m_model->devicesModel.rowCount() == 0) {
        m_model->fillDevicesOfZones();
        auto *all = new QStandardItem(FilterSelector::tr("_ALL_LISTITEM"));
        all->setEditable(false);
        m_model->devicesModel.insertRow(0, all);
        m_filterEditor->installSelectorDelegate(&m_model->devicesModel);
        if (auto *delegate = qobject_cast<SelectorItemDelegate *>(m_filterEditor->listView()->itemDelegate()))
            delegate->setCounterDataRole(FilteredRoles::DeviceTagRole);
    }
    emit activated();
}

void DevicesSelector::editorSelectionChanged(const QModelIndexList &newSelection)
{
    const int count = m_filterEditor->selectedCount();
    if (count == 0)
        m_filterButton->setButtonValue(QString());
    else if (count == 1 && !newSelection.isEmpty())
        m_filterButton->setButtonValue(newSelection.first().data().toString());
    else
        m_filterButton->setButtonValue(QStringLiteral("%1 %2").arg(count).arg(tr("_DEVICES_SELECTED_SELTEXT")));
    if (count != 0)
        m_filterButton->setButtonCounter(QString(), 3, QLatin1Char('0'));

    // The select-all row stands for the rows below it and has no type of
    // its own: it must not add device type 0 to the choice.
    QBitArray types(DeviceTypeCount);
    for (const QModelIndex &index : m_filterEditor->listView()->selectionModel()->selectedIndexes()) {
        const QVariant type = index.data(FilteredRoles::DeviceTypeRole);
        if (!type.isValid())
            continue;
        const int number = type.toInt();
        if (number >= 0 && number < DeviceTypeCount)
            types.setBit(number);
    }
    m_model->deviceTypes = types;
    emit valueChanged(count);
}

void DevicesSelector::reset(bool disableFilterButton)
{
    clearButton(m_filterButton.data(), disableFilterButton);
    if (clearEditorSelection())
        m_model->devicesModel.clearModel();
}

void DevicesSelector::activate()
{
    if (m_filterButton)
        m_filterButton->setChecked(true);
    updateModel();
}

void DevicesSelector::deactivate()
{
    deactivateButton(m_filterButton.data());
}
