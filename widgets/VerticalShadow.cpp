#include "widgets/VerticalShadow.h"

#include <QLinearGradient>
#include <QWidget>

void setVerticalShadow(QWidget *widget, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(0, 0, 0, widget->height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::Window, gradient);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
