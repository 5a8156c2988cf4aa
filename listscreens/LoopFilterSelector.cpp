#include "listscreens/LoopFilterSelector.h"

#include "listscreens/LoopCharCounterRole.h"
#include "paneldata/BasicPointAddress.h"
#include "paneldata/PointAddressing.h"
#include "pointmodels/FilterModel.h"
#include "pointmodels/FilteredRoles.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"
#include "widgets/SelectorItemDelegate.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QListView>
#include <QStandardItem>

namespace {

constexpr int PeripheralAddressRole = 37;
constexpr quint32 LoopChannelKind = 12;
constexpr int ShutDownLoopsMode = 1;

} // namespace

LoopFilterSelector::LoopFilterSelector(FilterModel *model, QButtonGroup *group, bool storeClickedLoop, QObject *parent)
    : FilterSelector(group, parent, false)
    , m_model(model)
    , m_storeClickedLoop(storeClickedLoop)
{
    qRegisterMetaType<TC::peripheralAddress_t>("TC::peripheralAddress_t");
    m_button = makeFilterButton(QCoreApplication::translate("FilterButton", "_LOOP_FILTERBTN"));
    // The editor is shown first, then its list rebuilt.
    connect(m_button.data(), &QAbstractButton::clicked, this, &FilterSelector::activated);
    connect(m_button.data(), &QAbstractButton::clicked, this, &LoopFilterSelector::updateModel);
    m_usesScrollButtons = true;
}

LoopFilterSelector::~LoopFilterSelector()
{
    delete m_button.data();
}

QWidget *LoopFilterSelector::button()
{
    return m_button.data();
}

QStandardItemModel *LoopFilterSelector::shownLoops() const
{
    return m_model->loopListMode() == ShutDownLoopsMode ? m_model->shutDownLoopsModel() : m_model->loopsModel();
}

void LoopFilterSelector::showLoops()
{
    m_filterEditor->installSelectorDelegate(shownLoops());
    m_filterEditor->listView()->setSelectionMode(QAbstractItemView::SingleSelection);
    if (auto *delegate = qobject_cast<SelectorItemDelegate *>(m_filterEditor->listView()->itemDelegate()))
        delegate->setCounterRole(new LoopCharCounterRole);
}

QWidget *LoopFilterSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    AUK_90048 *list = ensureFilterEditor().data();
    list->setObjectName(QStringLiteral("LoopFilterSelector::m_filterEditor"));
    styleList(list, false);
    m_model->fillLoopsForMode();
    setupAllEntry();
    showLoops();
    connect(list->listView(), &QAbstractItemView::clicked, this, &LoopFilterSelector::itemClicked);
    return list;
}

void LoopFilterSelector::setupAllEntry()
{
    if (m_allText && m_allText->isEmpty())
        return;
    auto *all = new QStandardItem(m_allText ? *m_allText : FilterSelector::tr("_ALL_LISTITEM"));
    all->setEditable(false);
    all->setData(uint(m_allText ? m_allValue : AllLoops), FilteredRoles::LoopRole);
    shownLoops()->insertRow(0, all);
}

void LoopFilterSelector::setAllEntry(const QString &text, quint8 value)
{
    m_allText = std::make_unique<QString>(text);
    m_allValue = value;
}

void LoopFilterSelector::clearAllEntry()
{
    m_allText.reset();
}

TC::peripheralAddress_t LoopFilterSelector::peripheralAddressForIndex(const QModelIndex &index, bool *ok)
{
    const QVariant stored = index.data(PeripheralAddressRole);
    if (stored.canConvert<TC::peripheralAddress_t>()) {
        *ok = true;
        return stored.value<TC::peripheralAddress_t>();
    }
    bool number = false;
    const uint loop = index.data(FilteredRoles::LoopRole).toUInt(&number);
    *ok = number && loop != uint(NoLoop);
    return *ok ? TC::peripheralAddress_t{LoopChannelKind, loop} : TC::peripheralAddress_t{};
}

QList<TC::peripheralAddress_t> LoopFilterSelector::selectedPeripheralAddresses() const
{
    const QModelIndexList chosen = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    bool ok = false;
    const TC::peripheralAddress_t address =
        chosen.isEmpty() ? TC::peripheralAddress_t{} : peripheralAddressForIndex(chosen.first(), &ok);
    return ok ? QList<TC::peripheralAddress_t>{address} : QList<TC::peripheralAddress_t>{};
}

void LoopFilterSelector::updateModel()
{
    if (!m_filterEditor) {
        filterEditor();
        return;
    }
    const bool panelChanged = m_lastPanel != int(m_model->selectedPanel);
    m_lastPanel = m_model->selectedPanel;
    const QList<TC::peripheralAddress_t> remembered =
        panelChanged ? QList<TC::peripheralAddress_t>{} : selectedPeripheralAddresses();
    m_model->fillLoopsForMode();
    QStandardItemModel *loops = shownLoops();
    loops->setSortRole(FilteredRoles::LoopRole);
    loops->sort(0, Qt::AscendingOrder);
    setupAllEntry();
    showLoops();
    if (remembered.isEmpty())
        return;
    // The same loop again, quietly: the button and the filter model already
    // show it.
    QItemSelectionModel *selection = m_filterEditor->listView()->selectionModel();
    for (int row = 0; row < loops->rowCount(); ++row) {
        bool ok = false;
        const QModelIndex index = loops->index(row, 0);
        if (peripheralAddressForIndex(index, &ok) == remembered.first() && ok)
            selection->select(index, QItemSelectionModel::Select);
    }
}

void LoopFilterSelector::itemClicked(const QModelIndex &index)
{
    const QModelIndexList chosen = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    if (!chosen.isEmpty()) {
        const QModelIndex first = chosen.first();
        m_button->setButtonValue(first.data().toString());
        const int loop = first.data(FilteredRoles::LoopRole).toInt();
        if (loop == AllLoops)
            m_button->setButtonCounter(QString(), 3, QLatin1Char('0'));
        else
            m_button->setButtonCounter(
                BasicPointAddress::loopLabel(quint8(loop), BasicPointAddress::ConfiguredLoopFormat), 1,
                QLatin1Char('0'));
        m_model->channelAddress = loopToChannel(quint8(loop));
        m_model->channelNumber = 0;
    }
    if (m_storeClickedLoop) {
        m_model->channelAddress = loopToChannel(quint8(index.data(FilteredRoles::LoopRole).toUInt()));
        m_model->channelNumber = 0;
        emit valueChanged(chosen.count());
    } else if (!chosen.isEmpty()) {
        emit valueChanged(chosen.count());
    }
}

int LoopFilterSelector::selectedLoop() const
{
    if (!m_filterEditor || !m_filterEditor->listView()->selectionModel())
        return NoLoop;
    const QModelIndexList chosen = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    if (chosen.isEmpty())
        return NoLoop;
    const QVariant stored = chosen.first().data(PeripheralAddressRole);
    if (stored.canConvert<TC::peripheralAddress_t>())
        return int(stored.value<TC::peripheralAddress_t>().channelNumber);
    bool number = false;
    const uint loop = chosen.first().data(FilteredRoles::LoopRole).toUInt(&number);
    return number ? int(loop) : NoLoop;
}

void LoopFilterSelector::selectLoop(quint8 loop)
{
    if (!m_filterEditor || !m_filterEditor->listView()->model())
        return;
    const QAbstractItemModel *rows = m_filterEditor->listView()->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
        const QModelIndex index = rows->index(row, 0);
        if (index.isValid() && index.data(FilteredRoles::LoopRole).toUInt() == loop) {
            m_autoAdvance = false;
            QItemSelectionModel *selection = m_filterEditor->listView()->selectionModel();
            selection->clearSelection();
            selection->select(index, QItemSelectionModel::Select);
            itemClicked(index);
            scrollToRow(row);
            return;
        }
    }
}

void LoopFilterSelector::reset(bool disableFilterButton)
{
    clearButton(m_button.data(), disableFilterButton);
    if (clearEditorSelection())
        emit valueChanged(0);
}

void LoopFilterSelector::activate()
{
    if (m_button)
        m_button->setChecked(true);
    updateModel();
    emit activated();
}

void LoopFilterSelector::deactivate()
{
    deactivateButton(m_button.data());
}
