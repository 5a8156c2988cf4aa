#pragma once

#include <QColor>

class QWidget;

// Fills the widget with a vertical gradient from its top edge to its bottom
// edge: the shadows under the page header, above the soft keys and under the
// popup keys.
void setVerticalShadow(QWidget *widget, const QColor &top, const QColor &bottom);
