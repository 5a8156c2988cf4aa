#pragma once

#include "widgets/ReviewFrame.h"

class QTableView;

// The report table: six fixed-width columns of 36-pixel rows.
class AUK_90062 final : public ReviewFrame
{
    Q_OBJECT

public:
    explicit AUK_90062(QWidget *parent = nullptr);

    QTableView *tableView() const { return m_tableView; }
    void setModel(QAbstractItemModel *model);

private slots:
    void updateScrollButtons();

private:
    QTableView *m_tableView;
};
