#pragma once

#include "widgets/ReviewFrame.h"
#include "widgets/SystemReviewItemDelegate.h"

#include <QModelIndex>

class QTreeView;

// The system-review tree: every group open at first, a tap folds or opens
// one.
class AUK_90040 final : public ReviewFrame
{
    Q_OBJECT

public:
    explicit AUK_90040(QWidget *parent = nullptr);
    ~AUK_90040() override;

    QTreeView *treeView() const { return m_treeView; }
    void setModel(QAbstractItemModel *model);
    void setHeaderRightToLeft(bool rightToLeft);

public slots:
    void redrawTreeItem(const QModelIndex &index);

private slots:
    void expand(const QModelIndex &index);

private:
    QTreeView *m_treeView;
    SystemReviewItemDelegate m_reviewDelegate;
};
