#include "widgets/AUK_90048.h"

#include "widgets/AUK_90048_ItemDelegateFactory.h"
#include "widgets/CachedPixmap.h"
#include "widgets/ScrollBar.h"
#include "widgets/SelectorItemDelegate.h"
#include "widgets/TouchList.h"

#include <QLabel>
#include <QListView>
#include <QPixmapCache>
#include <QScrollBar>

namespace {

struct Frame
{
    const char *key;
    const char *file;
    bool header;
    int top;
    int bottom;
};

// By wide, then short, then header.
constexpr Frame kWideShort = {"80230_lview_wide_short", "AUK_80230_listview_wide_short.png", true, 50, 17};
constexpr Frame kWideTall = {"80096_ctasks_list", "AUK_80096_custom_tasks_list.png", true, 50, 17};
constexpr Frame kShortHeader = {"80043_list_sml_big_hdr", "AUK_80043_List_frm_smll_selected_big_hdr.png", true, 50, 17};
constexpr Frame kShort = {"80042_list_sml_selected", "AUK_80042_List_frm_smll_selected.png", false, 19, 19};
constexpr Frame kTallHeader = {"80040_list_lrg_big_hdr", "AUK_80040_List_frm_lrg_selected_big_hdr.png", true, 44, 16};
constexpr Frame kTall = {"80039_list_lrg_selected", "AUK_80039_List_frm_lrg_selected.png", false, 16, 16};

const Frame &frameFor(bool wide, bool shortList, bool header)
{
    if (wide)
        return shortList ? kWideShort : kWideTall;
    if (shortList)
        return header ? kShortHeader : kShort;
    return header ? kTallHeader : kTall;
}

QLabel *imageLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &file)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setPixmap(QPixmap(file));
    return label;
}

} // namespace

AUK_90048::AUK_90048(QWidget *parent)
    : QWidget(parent)
    , m_bg(imageLabel(this, "bg", QRect(0, 0, 306, 412),
                      QStringLiteral("../resources/Frames/AUK_80039_List_frm_lrg_selected.png")))
    , m_list(new QListView(this))
    , m_scrollBar(new ScrollBar(this))
    , m_topShadow(imageLabel(this, "topShadow", QRect(4, 15, 298, 4),
                             QStringLiteral("../resources/Frames/Frames_list_shadow_top.png")))
    , m_bottomShadow(imageLabel(this, "bottomShadow", QRect(4, 393, 298, 4),
                                QStringLiteral("../resources/Frames/Frames_list_shadow_bttm.png")))
    , m_header(new QWidget(this))
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("AUK_90048"));
    resize(314, 412);
    m_bg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setGeometry(10, 15, 286, 382);
    TouchList::configure(m_list, TouchList::Vertical);
    m_scrollBar->setObjectName(QStringLiteral("scrollBar"));
    m_scrollBar->setGeometry(298, 16, 16, 382);
    m_header->setObjectName(QStringLiteral("header"));
    m_header->setGeometry(3, 4, 300, 44);

    m_flicker.attachTo(m_list);
    m_flicker.setOrientation(Flicker::Vertical);
    connect(this, &AUK_90048::scrollUpButtonClicked, &m_flicker, &Flicker::scrollPrev);
    connect(this, &AUK_90048::scrollDownButtonClicked, &m_flicker, &Flicker::scrollNext);
    connect(this, &AUK_90048::scrollUpButtonHeld, &m_flicker, &Flicker::scrollUpToEnd);
    connect(this, &AUK_90048::scrollDownButtonHeld, &m_flicker, &Flicker::scrollDownToEnd);
    connect(this, &AUK_90048::updateScrollBarButtons, &m_flicker, &Flicker::checkScrollBarRange);
    connect(&m_flicker, &Flicker::scrollBarAtStart, this, &AUK_90048::scrollBarAtStart);
    connect(&m_flicker, &Flicker::scrollBarAtEnd, this, &AUK_90048::scrollBarAtEnd);
    connect(m_list, &QListView::clicked, this, &AUK_90048::on_list_clicked);
    QScrollBar *bar = m_list->verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, m_scrollBar, &ScrollBar::rangeChanged);
    connect(bar, &QScrollBar::valueChanged, m_scrollBar, &ScrollBar::valueChanged);
    connect(bar, &QScrollBar::rangeChanged, this, &AUK_90048::updateTopBottomShadows);
    connect(bar, &QScrollBar::valueChanged, this, &AUK_90048::updateTopBottomShadows);
    applyLayout();
}

AUK_90048::~AUK_90048()
{
    QPixmapCache::clear();
}

QListView *AUK_90048::listView() const
{
    return m_list;
}

QWidget *AUK_90048::headerWidget() const
{
    return m_header;
}

void AUK_90048::installSelectorDelegate(QAbstractItemModel *model)
{
    QAbstractItemDelegate *delegate = nullptr;
    if (m_delegateFactory) {
        delegate = m_delegateFactory->createDelegate(this);
        // In these lists the left half drags and the right half clicks.
        m_flicker.setSplitTouchArea(true);
    } else {
        delegate = new SelectorItemDelegate(m_list->width(), m_delegateHeight, m_delegateCheckedImage,
                                            m_delegateUncheckedImage, m_checkImageSize);
    }
    takeDelegate(delegate, model);
}

// The list shows the new delegate before the one it replaces goes.
void AUK_90048::takeDelegate(QAbstractItemDelegate *delegate, QAbstractItemModel *model)
{
    std::unique_ptr<QAbstractItemDelegate> previous;
    if (delegate != m_ownedDelegate.get()) {
        previous = std::move(m_ownedDelegate);
        m_ownedDelegate.reset(delegate);
    }
    setModelAndDelegate(model, delegate);
}

void AUK_90048::replaceDelegate(QAbstractItemModel *model, QAbstractItemDelegate *delegate)
{
    // Handing back the list's own delegate keeps it alive.
    std::unique_ptr<QAbstractItemDelegate> previous;
    if (delegate != m_ownedDelegate.get())
        previous = std::move(m_ownedDelegate);
    setModelAndDelegate(model, delegate);
}

void AUK_90048::setModelAndDelegate(QAbstractItemModel *model, QAbstractItemDelegate *delegate)
{
    m_list->setItemDelegate(delegate);
    updateTopBottomShadows(0);
    if (model == m_list->model())
        return;
    QItemSelectionModel *previousSelection = m_list->selectionModel();
    m_list->setModel(model);
    delete previousSelection;
    m_flicker.modelChanged();
    if (model) {
        connect(model, &QAbstractItemModel::rowsInserted, &m_flicker, &Flicker::modelChanged, Qt::UniqueConnection);
        connect(model, &QAbstractItemModel::rowsRemoved, &m_flicker, &Flicker::modelChanged, Qt::UniqueConnection);
    }
    if (QItemSelectionModel *selection = m_list->selectionModel())
        connect(selection, &QItemSelectionModel::selectionChanged, this, &AUK_90048::onSelectionChange);
}

void AUK_90048::setItemDelegateFactory(AUK_90048_ItemDelegateFactory *factory)
{
    if (factory == m_delegateFactory)
        return;
    delete m_delegateFactory;
    m_delegateFactory = factory;
    if (factory)
        factory->setParent(this);
}

void AUK_90048::setFlickerPageOffset(int offset)
{
    m_flicker.setPageOffset(offset);
}

void AUK_90048::selectRow(const QModelIndex &index)
{
    if (QItemSelectionModel *selection = m_list->selectionModel())
        selection->select(index, QItemSelectionModel::Select);
}

int AUK_90048::selectedCount() const
{
    const QAbstractItemModel *model = m_list->model();
    const QItemSelectionModel *selection = m_list->selectionModel();
    if (!model || !selection)
        return 0;
    const int selected = selection->selectedIndexes().count();
    const bool selectAllChosen = m_firstItemSelectAll && selection->isSelected(model->index(0, 0));
    return selectAllChosen ? selected - 1 : selected;
}

QSize AUK_90048::checkImageSize() const
{
    return m_checkImageSize;
}

void AUK_90048::on_list_clicked(const QModelIndex &index)
{
    const QAbstractItemModel *model = m_list->model();
    QItemSelectionModel *selection = m_list->selectionModel();
    if (index.row() != 0 || !m_firstItemSelectAll || !model || !selection || model->rowCount() < 2)
        return;
    const QItemSelection others(model->index(1, 0), model->index(model->rowCount() - 1, 0));
    selection->select(others,
                      selection->isSelected(index) ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void AUK_90048::onSelectionChange(const QItemSelection &selected, const QItemSelection &deselected)
{
    QItemSelectionModel *selection = m_list->selectionModel();
    const QAbstractItemModel *model = m_list->model();
    if (!selection || !model)
        return;
    const int count = selection->selectedIndexes().count();
    if (count == 0)
        emit selectionChanged(selection->selectedIndexes());
    const QModelIndex selectAll = model->index(0, 0);
    if (m_firstItemSelectAll && !selected.contains(selectAll) && !deselected.contains(selectAll)) {
        const bool allChosen = selection->isSelected(selectAll);
        if (allChosen && count < model->rowCount())
            selection->select(selectAll, QItemSelectionModel::Deselect);
        else if (!allChosen && count == model->rowCount() - 1)
            selection->select(selectAll, QItemSelectionModel::Select);
    }
    emit selectionChanged(selection->selectedIndexes());
}

void AUK_90048::updateTopBottomShadows(int value)
{
    const QScrollBar *bar = m_list->verticalScrollBar();
    m_topShadow->setVisible(value != bar->minimum());
    m_bottomShadow->setVisible(value != bar->maximum());
    m_scrollBar->setVisible(!(value == bar->minimum() && value == bar->maximum()));
}

void AUK_90048::applyLayout()
{
    const Frame &frame = frameFor(m_wideListView, m_shortListview, m_showHeader);
    const QPixmap image = CachedPixmap::frame(QLatin1String(frame.key), QLatin1String(frame.file));
    const QPixmap top = m_wideListView ? CachedPixmap::frame(QStringLiteral("80111_ctasks_shadow_top"),
                                                             QStringLiteral("AUK_80111_custom_tasks_shadow_top.png"))
                                       : CachedPixmap::frame(QStringLiteral("80151_list_shadow_top"),
                                                             QStringLiteral("AUK_80151_list_shadow_top.png"));
    const QPixmap bottom = m_wideListView
                               ? CachedPixmap::frame(QStringLiteral("80112_ctasks_shadow_bttm"),
                                                     QStringLiteral("AUK_80112_custom_tasks_shadow_bottom.png"))
                               : CachedPixmap::frame(QStringLiteral("80152_list_shadow_bttm"),
                                                     QStringLiteral("AUK_80152_list_shadow_bttm.png"));
    const int width = image.width();
    const int height = image.height();
    const int listHeight = height - frame.top - frame.bottom;

    setGeometry(x(), y(), width + 12, height);
    setFixedSize(width + 12, height);
    m_bg->setPixmap(image);
    m_bg->setGeometry(0, 0, width, height);
    m_header->setVisible(frame.header);
    m_list->setGeometry(m_list->x(), frame.top, width - 20, listHeight);
    m_scrollBar->setGeometry(width - 8, frame.top, m_scrollBar->width(), listHeight);
    m_topShadow->setPixmap(top);
    m_topShadow->setGeometry(m_topShadow->x(), frame.top, top.width(), top.height());
    m_bottomShadow->setPixmap(bottom);
    m_bottomShadow->setGeometry(m_bottomShadow->x(), height - bottom.height() - frame.bottom, bottom.width(),
                                bottom.height());
    m_header->resize(m_bg->width() - 6, m_header->height());
}

void AUK_90048::updateCheckImageSize()
{
    m_checkImageSize = QSize(qMax(m_delegateCheckedImage.width(), m_delegateUncheckedImage.width()),
                             qMax(m_delegateCheckedImage.height(), m_delegateUncheckedImage.height()));
}

int AUK_90048::delegateHeight() const
{
    return m_delegateHeight;
}

void AUK_90048::setDelegateHeight(int height)
{
    m_delegateHeight = height;
}

QPixmap AUK_90048::delegateCheckedImage() const
{
    return m_delegateCheckedImage;
}

void AUK_90048::setDelegateCheckedImage(const QPixmap &image)
{
    m_delegateCheckedImage = image;
    updateCheckImageSize();
}

QPixmap AUK_90048::delegateUncheckedImage() const
{
    return m_delegateUncheckedImage;
}

void AUK_90048::setDelegateUncheckedImage(const QPixmap &image)
{
    m_delegateUncheckedImage = image;
    updateCheckImageSize();
}

bool AUK_90048::shortListview() const
{
    return m_shortListview;
}

void AUK_90048::setShortListview(bool shortList)
{
    m_shortListview = shortList;
    applyLayout();
}

bool AUK_90048::showHeader() const
{
    return m_showHeader;
}

void AUK_90048::setShowHeader(bool show)
{
    m_showHeader = show;
    applyLayout();
}

bool AUK_90048::wideListView() const
{
    return m_wideListView;
}

void AUK_90048::setWideListView(bool wide)
{
    m_wideListView = wide;
    applyLayout();
}

bool AUK_90048::firstItemSelectAll() const
{
    return m_firstItemSelectAll;
}

void AUK_90048::setFirstItemSelectAll(bool selectAll)
{
    m_firstItemSelectAll = selectAll;
}
