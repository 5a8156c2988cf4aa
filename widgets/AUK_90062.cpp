#include "widgets/AUK_90062.h"

#include "widgets/FontRepository.h"

#include <QHeaderView>
#include <QTableView>
#include <QTimer>

namespace {

constexpr int kColumnWidths[] = {115, 105, 125, 105, 125, 32};
constexpr int RowHeight = 36;

} // namespace

AUK_90062::AUK_90062(QWidget *parent)
    : ReviewFrame(parent)
    , m_tableView(new QTableView(this))
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("AUK_90062"));
    m_tableView->setObjectName(QStringLiteral("tableView"));
    m_tableView->setAutoScroll(true);
    m_tableView->setTabKeyNavigation(false);
    m_tableView->setDragDropOverwriteMode(false);
    m_tableView->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_tableView->setCornerButtonEnabled(false);
    // The narrow last column is narrower than a header's default minimum.
    m_tableView->horizontalHeader()->setMinimumSectionSize(0);
    m_tableView->verticalHeader()->setVisible(false);
    m_tableView->verticalHeader()->setHighlightSections(false);
    attachView(m_tableView, true);
    // The range is known only once the widget has been laid out.
    QTimer::singleShot(1, this, &AUK_90062::updateScrollButtons);
}

void AUK_90062::setModel(QAbstractItemModel *model)
{
    m_tableView->setModel(model);
    updateTopDownShadows(0);
    flicker().modelChanged();
    flicker().checkScrollBarRange();
    followModel(model);
    for (int column = 0; column < int(std::size(kColumnWidths)); ++column)
        m_tableView->setColumnWidth(column, kColumnWidths[column]);
    m_tableView->verticalHeader()->setDefaultSectionSize(RowHeight);
    m_tableView->horizontalHeader()->setFont(FontRepository::instance()->normal15());
}

void AUK_90062::updateScrollButtons()
{
    flicker().checkScrollBarRange();
}
