#pragma once

#include "link/SC_PointsIndividual.h"
#include "widgets/AUK_20002.h"

#include <QBitArray>
#include <QHash>
#include <QMap>
#include <QPersistentModelIndex>
#include <QPointer>

class AUK_40064;
class AUK_90003;
class QAbstractItemModel;
class QLabel;

// Enables points of the list of general disablements: the selected point,
// the selected point only when it is in its normal state, or every point of
// the list in its normal state. A point is normal while none of the maps of
// its active states has its bit set. OK builds one list per panel and hands
// them to the progress popup as one enable request; a selected point that is
// disabled and forced shows the active-devices warning instead, whose owner
// goes on from there.
class AUK_40049 final : public AUK_20002
{
    Q_OBJECT

public:
    // The point of a list row: panel, channel kind, channel number, channel
    // address and point number.
    struct PointKey
    {
        quint8 panel = 0;
        quint8 kind = 0;
        quint8 number = 0;
        quint8 address = 0;
        quint8 point = 0;
    };

    // The owner lists the disablements and is told to refresh them before
    // the progress popup closes. The screen's own lists are not read: the
    // request is built anew from the list at OK.
    AUK_40049(const QModelIndex &index, QObject *owner, AUK_40064 *warningPopup,
              const QMap<quint8, SC_PointsIndividual *> *lists, QWidget *parent);
    ~AUK_40049() override;

    // The point's bit of each channel map in which it is active: the OR of
    // the active-state pages of its channel.
    static QBitArray activeStatePoints(const PointKey &key);
    // False when the row holds no panel.
    static bool rowPointKey(const QModelIndex &row, PointKey *key);

signals:
    void window40049Done();

public slots:
    void Ok();
    void Cancel();

private:
    bool isNormal(const PointKey &key);
    int normalPointCount();
    SC_PointsIndividual &listOf(quint8 panel);
    void sendEnableRequest();

    QLabel *m_secondaryTitle;
    AUK_90003 *m_selectedItem;
    AUK_90003 *m_selectedNormalItem;
    AUK_90003 *m_allNormalItem;
    QPersistentModelIndex m_index;
    QPointer<const QAbstractItemModel> m_model;
    QPointer<QObject> m_owner;
    QPointer<AUK_40064> m_warningPopup;
    bool m_hasPoints = false;
    QMap<quint8, SC_PointsIndividual> m_listsByPanel;
    // The active-state maps by channel, read once per channel.
    QHash<quint32, QBitArray> m_activeByChannel;
};
