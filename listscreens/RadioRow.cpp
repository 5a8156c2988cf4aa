#include "listscreens/RadioRow.h"

#include "widgets/AUK_90003.h"

#include <QHBoxLayout>

const QRect RadioRow::Geometry(8, 5, 326, 44);

RadioRow::RadioRow(QWidget *cardView)
    : QWidget(cardView)
    , m_layout(new QHBoxLayout(this))
{
    setObjectName(QStringLiteral("radioRow"));
    setGeometry(Geometry);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(4);
}

RadioRow::~RadioRow()
{
    for (const QPointer<AUK_90003> &radio : qAsConst(m_radios)) {
        if (radio)
            radio->setParent(nullptr);
    }
}

void RadioRow::addRadio(AUK_90003 *radio)
{
    // Each radio keeps its image beside its own caption; the room left over
    // goes between the radios, so that no image sits nearer the next one.
    m_layout->addWidget(radio);
    m_layout->addStretch();
    m_radios.append(radio);
}
