#pragma once

#include "widgets/CardViewIface.h"

class QAbstractItemModel;
class QMouseEvent;

// The card view of the event screens, 446 x 342. It refreshes the centre
// card's information every 3000 ms while asked to, and a screen may keep
// only a window of three cards of a longer list in its model.
class AUK_90022 final : public CardViewIface
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)

public:
    explicit AUK_90022(QWidget *parent = nullptr);

    QListView *listView() const override;
    // Positions count from 1; negative ones are not supported here.
    void goToPosition(int position) override;
    virtual void setModel(QAbstractItemModel *model, QAbstractItemDelegate *delegate, bool counterVisible);
    // Undoes the connections setModel made from the model.
    void detachModel(QAbstractItemModel *model);

    // Places a window of at most three cards without animation.
    void scrollToItem(int row);
    int itemCount() const;

    QString title() const;
    void setTitle(const QString &title);

signals:
    void clicked();
    void itemChangedSettlePeriodExpired(const QModelIndex &modelIndex);
    void itemChanged();
    void scrolledBetween(int startRow, int endRow);
    void refreshModel(int offset);

public slots:
    void selectedItemChanged();
    void modelSizeChanged();
    void startInformationRefreshTimer();
    void stopInformationRefreshTimer();
    void updateCounter();
    void redrawListItem(const QModelIndex &index);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private slots:
    void updateLeftRightShadows(int value);
    void pauseExpired();
    void hideButtons();
};
