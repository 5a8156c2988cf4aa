#pragma once

#include "widgets/LabelButton.h"

#include <QPixmap>

// The arrow key at the sides of the card views; the view sets its type to
// the left or the right scroll skin and gives it an icon.
class AUK_90049 final : public LabelButton
{
    Q_OBJECT

public:
    explicit AUK_90049(QWidget *parent = nullptr);

    void setIcon(const QPixmap &icon);
};
