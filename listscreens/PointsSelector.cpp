#include "listscreens/PointsSelector.h"

#include "listscreens/PointSortProxyModel.h"
#include "pointmodels/FilterModel.h"
#include "pointmodels/FilteredModelPointItem.h"
#include "pointmodels/FilteredRoles.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"
#include "widgets/SelectorItemDelegate.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QRegularExpression>
#include <QSignalBlocker>

namespace {

// A counter wider than its box goes on two lines: the part up to the first
// digits (with their dashes and slashes), then the next digits.
QString splitCounter(const QString &counter)
{
    static const QRegularExpression pattern(QStringLiteral("([^-/0-9]*[-/0-9]*)([^0-9]*[0-9]*)"));
    const QRegularExpressionMatch match = pattern.match(counter);
    if (!match.hasMatch() || match.captured(2).isEmpty())
        return counter;
    return match.captured(1) + QStringLiteral("\r\n") + match.captured(2);
}

// Fixed parts of the wildcard pattern a chosen point is sent as.
constexpr quint32 WildCardClass = 127;

} // namespace

PointsSelector::PointsSelector(FilterModel *model, QButtonGroup *group, QObject *parent)
    : FilterSelector(group, parent, true)
    , m_model(model)
{
    m_button = makeFilterButton(tr("_POINTS_FILTERBTN"));
    connect(m_button.data(), &QAbstractButton::clicked, this, &PointsSelector::updateModel);
    m_usesScrollButtons = true;
}

PointsSelector::~PointsSelector()
{
    delete m_button.data();
}

QWidget *PointsSelector::button()
{
    return m_button.data();
}

bool PointsSelector::isMultipleChoice() const
{
    return m_multiSelection && m_model->pointsKind != SinglePointKind;
}

QWidget *PointsSelector::filterEditor()
{
    const int kind = m_model->pointsKind;
    if (m_filterEditor && m_builtKind == kind)
        return m_filterEditor.data();
    if (m_filterEditor) {
        m_filterEditor->listView()->reset();
    } else {
        ensureFilterEditor();
        connect(m_filterEditor.data(), &AUK_90048::selectionChanged, this, &PointsSelector::editorSelectionChanged);
    }
    AUK_90048 *list = m_filterEditor.data();
    list->setObjectName(QStringLiteral("PointsSelector::m_filterEditor"));
    // Whether the first row chooses every point is decided with the rows,
    // when the list is built: a list kept through a change of kind may have
    // no all row, and its first point must stay a point.
    styleList(list, isMultipleChoice());
    m_builtKind = kind;
    return list;
}

FilteredPointsModel *PointsSelector::rebuildPointsModel()
{
    m_model->rebuildPointsForKind();
    return &m_model->pointsModel;
}

void PointsSelector::setSortingEnabled(bool enabled)
{
    m_sorting = enabled;
    if (m_sorting && !m_sortProxy)
        m_sortProxy = new PointSortProxyModel(this);
}

void PointsSelector::updateModel()
{
    filterEditor();
    FilteredPointsModel &points = m_model->pointsModel;
    if (points.rowCount() == 0) {
        // A sort proxy still watching the list would place each of the
        // thousands of rows one by one as it arrives; it sorts them all at
        // once when it takes the list back below.
        if (m_sortProxy)
            m_sortProxy->setSourceModel(nullptr);
        rebuildPointsModel();
        const bool allRow = isMultipleChoice() && m_model->selectedZone != 0 && m_model->pointsKind != SinglePointKind;
        if (allRow) {
            auto *item = new QStandardItem(FilterSelector::tr("_ALL_LISTITEM"));
            item->setEditable(false);
            points.insertRow(0, item);
        }
        m_filterEditor->setFirstItemSelectAll(allRow);
        if (m_sorting) {
            m_sortProxy->setSortRoles(!m_logicalAddressing && !m_logicalZones, m_logicalZones, m_logicalAddressing);
            m_sortProxy->setSourceModel(&points);
            m_sortProxy->sort(0, Qt::AscendingOrder);
            m_filterEditor->installSelectorDelegate(m_sortProxy);
        } else {
            m_filterEditor->installSelectorDelegate(&points);
        }
    }
    if (auto *delegate = qobject_cast<SelectorItemDelegate *>(m_filterEditor->listView()->itemDelegate()))
        delegate->setCounterDataRole(FilteredRoles::ZoneAddressRole);
    emit activated();
}

void PointsSelector::editorSelectionChanged(const QModelIndexList &selected)
{
    const int count = m_filterEditor->selectedCount();
    if (count == 0 || selected.isEmpty()) {
        m_button->setButtonValue(QString());
        emit valueChanged(0);
        return;
    }
    QString text;
    QString counter;
    if (count == 1) {
        const QModelIndex first = selected.first();
        text = first.data().toString();
        counter = first.data(FilteredRoles::ZoneAddressRole).toString();
        if (counter.startsWith(QLatin1Char('/')))
            counter.remove(0, 1);
    } else {
        text = QStringLiteral("%1 %2").arg(count).arg(tr("_POINTS_SELECTED_SELTEXT"));
    }
    m_button->setButtonValue(text);
    m_button->setButtonCounter(splitCounter(counter), 3, QLatin1Char('0'));
    emit valueChanged(count);
}

QList<SimplePointInfo> PointsSelector::chosenPoints() const
{
    QList<SimplePointInfo> points;
    if (!m_filterEditor || !m_filterEditor->listView()->selectionModel())
        return points;
    const QModelIndexList selected = m_filterEditor->listView()->selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected) {
        const QModelIndex source =
            m_sortProxy && index.model() == m_sortProxy ? m_sortProxy->mapToSource(index) : index;
        if (!dynamic_cast<const FilteredModelPointItem *>(m_model->pointsModel.itemFromIndex(source)))
            continue;
        SimplePointInfo point;
        point.panel = quint8(source.data(FilteredRoles::PanelRole).toUInt());
        point.channelKind = quint8(source.data(FilteredRoles::ChannelKindRole).toUInt());
        point.channelNumber = quint8(source.data(FilteredRoles::ChannelNumberRole).toUInt());
        point.channelAddress = quint8(source.data(FilteredRoles::LoopRole).toUInt());
        point.point = quint8(source.data(FilteredRoles::PointRole).toUInt());
        points.append(point);
    }
    return points;
}

SC_PointsIndividual &PointsSelector::selectedPointsIndividual()
{
    m_individualPoints = SC_PointsIndividual();
    for (const SimplePointInfo &point : chosenPoints())
        m_individualPoints.addPoint(point.channelKind, point.channelAddress, point.channelNumber, point.point);
    return m_individualPoints;
}

void PointsSelector::selectedPoints(QVector<SimplePointInfo> &points)
{
    const QList<SimplePointInfo> chosen = chosenPoints();
    points.reserve(points.size() + chosen.size());
    for (const SimplePointInfo &point : chosen)
        points.append(point);
}

QList<SC_PointsWildCard> &PointsSelector::selectedPointsWildCards()
{
    m_wildCardPoints.clear();
    for (const SimplePointInfo &point : chosenPoints())
        m_wildCardPoints.append(SC_PointsWildCard(point.panel, point.channelKind, point.channelAddress,
                                                  point.channelNumber, point.point, WildCardClass, 0, 0,
                                                  m_model->selectedZone));
    return m_wildCardPoints;
}

void PointsSelector::selectPoint(quint8 point)
{
    if (!m_filterEditor || !m_filterEditor->listView()->model())
        return;
    const QAbstractItemModel *rows = m_filterEditor->listView()->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
        const QModelIndex index = rows->index(row, 0);
        const QVariant number = index.data(FilteredRoles::PointRole);
        if (index.isValid() && number.isValid() && number.toUInt() == point) {
            selectAlone(index);
            editorSelectionChanged({index});
            scrollToRow(row);
            return;
        }
    }
}

void PointsSelector::reset(bool disableFilterButton)
{
    clearButton(m_button.data(), disableFilterButton);
    if (!m_filterEditor || !m_filterEditor->listView()->selectionModel())
        return;
    {
        const QSignalBlocker blocker(m_filterEditor.data());
        clearEditorSelection();
    }
    m_model->pointsModel.clearModel();
    emit valueChanged(0);
}

void PointsSelector::activate()
{
    updateModel();
    if (m_button)
        m_button->setChecked(true);
    emit activated();
}

void PointsSelector::deactivate()
{
    deactivateButton(m_button.data());
}
