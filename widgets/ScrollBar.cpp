#include "widgets/ScrollBar.h"

ScrollBar::ScrollBar(QWidget *parent)
    : QLabel(parent)
    , m_thumb(new QLabel(this))
{
    m_thumb->setObjectName(QStringLiteral("thumb"));
    const QPixmap image(QStringLiteral("../resources/images/AUK_80088_scrollbar.png"));
    m_thumb->setPixmap(image);
    m_thumb->setGeometry(0, 0, image.width(), image.height());
}

QLabel *ScrollBar::thumb() const
{
    return m_thumb;
}

void ScrollBar::rangeChanged(int min, int max)
{
    m_minimum = min;
    m_maximum = max;
}

void ScrollBar::valueChanged(int value)
{
    if (m_maximum == m_minimum)
        return;
    // The value is not offset by the minimum: the lists' ranges start at 0.
    const qint64 travel = height() - m_thumb->height();
    m_thumb->move(0, int(qint64(value) * travel / (qint64(m_maximum) - m_minimum)));
}
