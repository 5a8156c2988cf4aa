#include "listscreens/StatusSelector.h"

#include "pointmodels/FilterModel.h"
#include "widgets/AUK_90003.h"
#include "widgets/AUK_90008.h"
#include "widgets/AUK_90048.h"
#include "widgets/PaletteRepository.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QListView>

namespace {

// Which rows a list shows: always, with the test row, or with the
// information rows.
enum class Shown { Always, WithTest, WithInformation };

struct StatusRow
{
    const char *key;
    int kind;
    Shown shown;
};

constexpr StatusRow Rows[] = {
    {QT_TRANSLATE_NOOP("StatusSelector", "_STATUS_FIRES_LISTITEM"), 8, Shown::Always},
    {QT_TRANSLATE_NOOP("StatusSelector", "_STATUS_FAULTS_LISTITEM"), 4, Shown::Always},
    {QT_TRANSLATE_NOOP("StatusSelector", "_STATUS_PRE_ALARM_LISTITEM"), 6, Shown::Always},
    {QT_TRANSLATE_NOOP("StatusSelector", "_STATUS_WARNING_LISTITEM"), 1, Shown::Always},
    {QT_TRANSLATE_NOOP("StatusSelector", "_STATUS_TEST_LISTITEM"), 2, Shown::WithTest},
    {QT_TRANSLATE_NOOP("StatusSelector", "_STATUS_SUPERVISORY_LISTITEM"), 5, Shown::Always},
    {QT_TRANSLATE_NOOP("StatusSelector", "_STATUS_GAS_ALERT_LISTITEM"), 7, Shown::Always},
    {QT_TRANSLATE_NOOP("StatusSelector", "_STATUS_INFORMATION_LISTITEM"), 0, Shown::WithInformation},
    {QT_TRANSLATE_NOOP("StatusSelector", "_STATUS_ISOLATES_LISTITEM"), 3, Shown::WithInformation},
};

constexpr int HeaderMargin = 12;

} // namespace

StatusSelector::StatusSelector(FilterModel *model, QButtonGroup *group, QObject *parent)
    : FilterSelector(group, parent, true)
    , m_model(model)
{
    m_filterButton = makeFilterButton(tr("_STATUS_FILTERBTN"));
    connect(m_filterButton.data(), &QAbstractButton::clicked, this, &FilterSelector::activated);
    m_usesScrollButtons = true;
}

StatusSelector::~StatusSelector()
{
    delete m_filterButton.data();
}

bool StatusSelector::isUnrestoredChecked() const
{
    return m_showUnrestoredCheckBox && m_unrestoredCheckBox && m_unrestoredCheckBox->isChecked();
}

QWidget *StatusSelector::button()
{
    return m_filterButton.data();
}

QWidget *StatusSelector::filterEditor()
{
    if (m_filterEditor)
        return m_filterEditor.data();
    AUK_90048 *list = ensureFilterEditor().data();
    styleList(list, true);
    list->setShowHeader(true);
    list->setFirstItemSelectAll(false);
    fillRows();
    if (m_showUnrestoredCheckBox)
        addUnrestoredCheckBox(list);
    list->installSelectorDelegate(&m_items);
    connect(list, &AUK_90048::selectionChanged, this, &StatusSelector::editorSelectionChanged);
    return list;
}

void StatusSelector::fillRows()
{
    for (const StatusRow &row : Rows) {
        if ((row.shown == Shown::WithTest && !m_showTestItem)
            || (row.shown == Shown::WithInformation && !m_showInformationItem))
            continue;
        auto *item = new QStandardItem(tr(row.key));
        item->setEditable(false);
        item->setData(row.kind, StatusKindRole);
        m_items.appendRow(item);
    }
}

void StatusSelector::addUnrestoredCheckBox(AUK_90048 *list)
{
    QWidget *header = list->headerWidget();
    auto *layout = new QHBoxLayout(header);
    layout->setContentsMargins(HeaderMargin, 0, HeaderMargin, 0);
    layout->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_unrestoredCheckBox = new AUK_90003(header);
    m_unrestoredCheckBox->setText(QCoreApplication::translate("AUK_90003", "_UNRESTORED_FILTER"));
    m_unrestoredCheckBox->setMaximumWidth(header->width());
    m_unrestoredCheckBox->setSizePolicy(QSizePolicy::Fixed, m_unrestoredCheckBox->sizePolicy().verticalPolicy());
    m_unrestoredCheckBox->setLabelPalette(PaletteRepository::instance()->whiteTextPalette());
    m_unrestoredCheckBox->setAutoExclusive(false);
    m_unrestoredCheckBox->setCheckedImage(QPixmap(QStringLiteral("../resources/images/AUK_80131_Check_on.png")));
    m_unrestoredCheckBox->setNotCheckedImage(QPixmap(QStringLiteral("../resources/images/AUK_80130_Check_off.png")));
    layout->addWidget(m_unrestoredCheckBox);
    connect(m_unrestoredCheckBox, &QAbstractButton::clicked, this, &StatusSelector::unRestoredClicked);
}

void StatusSelector::editorSelectionChanged(const QModelIndexList &newSelection)
{
    const int count = m_filterEditor->selectedCount();
    if (count == 0)
        m_filterButton->setButtonValue(QString());
    else if (count == 1 && !newSelection.isEmpty())
        m_filterButton->setButtonValue(newSelection.first().data().toString());
    else
        m_filterButton->setButtonValue(QStringLiteral("%1 %2").arg(count).arg(tr("_STATUS_SELECTED_SELTEXT")));
    if (count != 0)
        m_filterButton->setButtonCounter(QString(), 3, QLatin1Char('0'));

    quint16 mask = 0;
    for (const QModelIndex &index : m_filterEditor->listView()->selectionModel()->selectedIndexes()) {
        const quint32 kind = index.data(StatusKindRole).toUInt() & 0xFFu;
        if (kind <= 15)
            mask |= quint16(1u << kind);
    }
    m_model->statusMask = mask;
    emit valueChanged(count);
}

void StatusSelector::unRestoredClicked(bool checked)
{
    emit unRestoredCheckBoxActivated(checked);
}

void StatusSelector::reset(bool disableFilterButton)
{
    clearButton(m_filterButton.data(), disableFilterButton);
    clearEditorSelection();
}

void StatusSelector::activate()
{
    activateButton(m_filterButton.data());
}

void StatusSelector::deactivate()
{
    deactivateButton(m_filterButton.data());
}
