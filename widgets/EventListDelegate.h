#pragma once

#include "widgets/RolesCardDelegate.h"

#include <QCache>
#include <QPen>
#include <QPixmap>
#include <QTextOption>
#include <QVector>

// Paints an item as a card of titled rows: the title on the left, the value
// on the right, a line between rows. Rows of inputs and outputs, analogue
// values and test dates have painters of their own; the information row
// may carry a QR code of the item's link.
class EventListDelegate : public RolesCardDelegate
{
    Q_OBJECT

public:
    // The role vector must outlive the delegate; the event-log frame flag
    // picks the grey event-log card over the blue event card.
    EventListDelegate(const QVector<int> *roles, QObject *parent, bool hideInformation, bool rbusMode,
                      bool eventLogFrame);
    ~EventListDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    virtual QVector<QString> columnTitles() const;

protected:
    virtual void paintValue(QPainter *painter, const QModelIndex &index, const RoleColumn &column) const;
    virtual void paintAnalogue(QPainter *painter, const QModelIndex &index, const RoleColumn &column, bool rightHand,
                               bool top) const;
    virtual void paintTestDate(QPainter *painter, const QModelIndex &index, const RoleColumn &column) const;
    virtual void paintIoState(QPainter *painter, const QModelIndex &index, const RoleColumn &column) const;

    void buildRoleColumns();
    void paintRows(QPainter *painter, const QModelIndex &index, bool top) const;
    bool informationHidden() const { return m_hideInformation || m_rbusMode; }
    // The QR code of a link at magnification 2; null when none fits.
    QPixmap qrCode(const QString &text) const;

    QPen m_textPen;
    QPen m_linePen;
    QTextOption m_titleOption;
    QTextOption m_centredOption;
    const QVector<int> *m_roles;
    int m_lineCount;
    bool m_hideInformation;
    bool m_rbusMode;

private:
    mutable QCache<QString, QPixmap> m_qrCodes;
};
