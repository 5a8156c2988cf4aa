#pragma once

#include "widgets/BaseButton.h"

#include <QLabel>
#include <QPixmap>

// A key of the on-screen keypad: a label covering the whole key shows its
// text or icon.
class AUK_90055 final : public BaseButton
{
    Q_OBJECT

public:
    explicit AUK_90055(QWidget *parent, int buttonType);

    // Sizes the key from its skin and stretches the label over it.
    void setKeyType(int type);
    void setText(const QString &text);
    void setIcon(const QPixmap &icon);
    QLabel *label();

private:
    QLabel m_label;
};
