#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

class AUK_90003;
class QHBoxLayout;

// The row of filter radios in a card view's header band. The radios belong
// to their viewer, not to the row: when the row goes first it hands them
// back unharmed instead of deleting what it does not own.
class RadioRow final : public QWidget
{
    Q_OBJECT

public:
    // Where the row sits in its card view: the header band, left of the
    // card counter.
    static const QRect Geometry;

    explicit RadioRow(QWidget *cardView);
    ~RadioRow() override;

    void addRadio(AUK_90003 *radio);

private:
    QHBoxLayout *m_layout;
    QList<QPointer<AUK_90003>> m_radios;
};
