#pragma once

#include "link/SimplePointInfo.h"
#include "pointmodels/DisablementsModel.h"
#include "pointmodels/PointRowIndex.h"
#include "pointmodels/PointValueFetcher.h"

class QStandardItem;

// The disablement list with each point's live input and output state: a
// row's values are asked for when the view settles on it, and the row is
// redrawn when they come.
class DisablementsAndStatusModel final : public DisablementsModel
{
    Q_OBJECT

public:
    explicit DisablementsAndStatusModel(QObject *parent = nullptr);

    PointValueFetcher &fetcher() { return m_fetcher; }

signals:
    void updatedPointValueModel(SimplePointInfo point);

public slots:
    void uiItemChangedUpdate(const QModelIndex &index);
    void updatedPointValueModelData(SimplePointInfo point);

protected:
    PointValueFetcher *rowFetcher() override;

private:
    // A reply finds its row through the point-to-row index, so a long list
    // is not searched row by row. Rows that arrive other than at the end,
    // or leave, make it rebuild at the next look-up.
    void indexRows(int first, int last);
    QStandardItem *rowOf(const SimplePointInfo &point);

    PointValueFetcher m_fetcher;
    PointRowIndex m_rows;
    bool m_rowsStale = false;
};
