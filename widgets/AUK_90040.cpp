#include "widgets/AUK_90040.h"

#include <QLabel>
#include <QTreeView>

AUK_90040::AUK_90040(QWidget *parent)
    : ReviewFrame(parent)
    , m_treeView(new QTreeView(this))
    , m_reviewDelegate(250)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("AUK_90040"));
    m_treeView->setObjectName(QStringLiteral("treeView"));
    m_treeView->setFrameShape(QFrame::NoFrame);
    m_treeView->setHeaderHidden(true);
    m_treeView->setExpandsOnDoubleClick(false);
    attachView(m_treeView, false);
    connect(m_treeView, &QTreeView::clicked, this, &AUK_90040::expand);
    connect(m_treeView, &QTreeView::collapsed, &flicker(), &Flicker::checkScrollBarRange);
    connect(m_treeView, &QTreeView::expanded, &flicker(), &Flicker::checkScrollBarRange);
}

// The view lets go of the delegate before the delegate goes.
AUK_90040::~AUK_90040()
{
    m_treeView->setItemDelegate(nullptr);
}

void AUK_90040::setModel(QAbstractItemModel *model)
{
    m_treeView->setModel(model);
    m_treeView->setItemDelegate(&m_reviewDelegate);
    updateTopDownShadows(0);
    m_treeView->collapseAll();
    m_treeView->expandAll();
    flicker().checkScrollBarRange();
    flicker().modelChanged();
    followModel(model);
}

void AUK_90040::expand(const QModelIndex &index)
{
    m_treeView->setExpanded(index, !m_treeView->isExpanded(index));
    flicker().checkScrollBarRange();
}

void AUK_90040::redrawTreeItem(const QModelIndex &index)
{
    m_treeView->update(index);
}

void AUK_90040::setHeaderRightToLeft(bool rightToLeft)
{
    titleLabel()->setAlignment((rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}
