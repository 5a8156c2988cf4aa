#include "widgets/QLabelWithCursor.h"

#include <QPainter>

QLabelWithCursor::QLabelWithCursor(QWidget *parent)
    : QLabel(parent)
{
}

bool QLabelWithCursor::cursorVisible() const
{
    return m_cursorVisible;
}

void QLabelWithCursor::setCursorVisible(bool visible)
{
    m_cursorVisible = visible;
}

void QLabelWithCursor::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_cursorVisible)
        return;
    QPainter painter(this);
    painter.setFont(font());
    const QRect textRect =
        painter.boundingRect(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    painter.fillRect(QRect(textRect.x() + textRect.width() + 1, textRect.top(), 1, textRect.height()), Qt::black);
}
