#pragma once

#include "widgets/RolesDelegate.h"

#include <QPixmap>

// A roles delegate that paints each item as a card on a frame image; the
// card is exactly as big as its frame.
class RolesCardDelegate : public RolesDelegate
{
    Q_OBJECT

public:
    // The frame is read from "../resources/Frames/".
    RolesCardDelegate(const QString &frameFile, QObject *parent = nullptr);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    const QPixmap &frame() const { return m_frame; }
    // A model of one card shows it moved right by the shift, so it sits
    // centred in the view rather than where the first of several begins;
    // never further than the view has room for the whole card.
    QPoint cardOrigin(const QStyleOptionViewItem &option, const QModelIndex &index, int oneCardShift) const;

private:
    QPixmap m_frame;
};
