#pragma once

#include <QLabel>

// Shows where the visible part of a list lies: a thumb image moving down a
// thin track. Lists are scrolled by touch, never by dragging this thumb.
class ScrollBar final : public QLabel
{
    Q_OBJECT

public:
    explicit ScrollBar(QWidget *parent = nullptr);

    QLabel *thumb() const;

public slots:
    void rangeChanged(int min, int max);
    void valueChanged(int value);

private:
    QLabel *m_thumb;
    int m_minimum = 0;
    int m_maximum = 1;
};
