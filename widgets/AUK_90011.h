#pragma once

#include "widgets/CardViewIface.h"

class QAbstractItemModel;

// The general horizontal card view, 630 x 342 (or the taller help frame).
class AUK_90011 : public CardViewIface
{
    Q_OBJECT
    Q_PROPERTY(bool tall READ tall WRITE setTall)
    Q_PROPERTY(QString title READ title WRITE setTitle)

public:
    explicit AUK_90011(QWidget *parent = nullptr);

    QListView *listView() const override;
    void setFixedCounter(bool fixed) override;
    // A negative position counts from the end: -1 is the last card.
    void goToPosition(int position) override;
    virtual void setModel(QAbstractItemModel *model, QAbstractItemDelegate *delegate);

    // Jumps to the card without animation.
    void scrollToItem(int row);
    int itemCount() const;
    void refresh();

    bool tall() const;
    void setTall(bool tall);
    QString title() const;
    void setTitle(const QString &title);

signals:
    void itemChangedSettlePeriodExpired(const QModelIndex &modelIndex);
    void itemChanged();
    void listScrolled(int startRow, int endRow);
    void refreshModel(int offset);

public slots:
    void updateCounter();

protected slots:
    virtual void selectedItemChanged();

private slots:
    void updateLeftRightShadows(int value);
    void pauseExpired();
    void hideButtons();

private:
    void applyTallLayout();

    bool m_tall = false;
};
