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
    QRect textRect = painter.boundingRect(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    // With nothing typed yet the cursor still spans a line of text.
    if (textRect.height() <= 0) {
        const int lineHeight = painter.fontMetrics().height();
        textRect = QRect(textRect.x(), (height() - lineHeight) / 2, 0, lineHeight);
    }
    painter.fillRect(QRect(textRect.x() + textRect.width() + 1, textRect.top(), 1, textRect.height()), Qt::black);
}
