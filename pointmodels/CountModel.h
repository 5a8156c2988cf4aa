#pragma once

#include "core/ChannelAddress.h"
#include "core/PointAddressKey.h"
#include "core/TCTypes.h"

#include <QStandardItemModel>

// The base of the point and status lists: a facade clears it and hands it
// every accepted point; the owner then reports the row count for the list
// header. A list is built whole; PointListUpdater may then patch single
// points in, which is why subclasses put their rows in through placeRow().
class CountModel : public QStandardItemModel
{
    Q_OBJECT

public:
    static constexpr int HighlightedRole = 32;

    explicit CountModel(QObject *parent = nullptr);

    // Views see the first row go before the reset. Subclasses that keep
    // side lists empty them and then call this.
    virtual void clearModel();
    // For lists built from addresses alone; the base ignores it.
    virtual void addPointDetails(int panel, int channelKind, int channelNumber, int channelAddress, int point);
    // The facades' hook, once per accepted point; the base ignores it.
    virtual void addPoint(TC::panel_t panel, const ChannelAddress *channel, const PointAddressKey *record);

    void emitCount(int count);

    // Where placeRow() puts the next row: -1 appends (a build), otherwise the
    // row is inserted at, or replaces the items of, the given row. Set around
    // one addPoint() call by whoever patches a list.
    void setRowPlacement(int row, bool replace);

    // A subclass that builds its list through a filter chain adds a
    // function filter of the mask while this is on.
    void setFunctionFilterOn(bool on) { m_functionFilterOn = on; }
    bool isFunctionFilterOn() const { return m_functionFilterOn; }
    void setFunctionMask(int mask) { m_functionMask = mask; }
    int functionMask() const { return m_functionMask; }

signals:
    void countResult(QString count);

protected:
    // A replaced row keeps its place and shows its new items through
    // dataChanged, so a view's selection and scroll position stay.
    void placeRow(const QList<QStandardItem *> &items);

private:
    int m_placementRow = -1;
    bool m_replaceRow = false;
    bool m_functionFilterOn = false;
    int m_functionMask = -1;
};
