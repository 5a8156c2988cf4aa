#pragma once

#include "widgets/LabelButton.h"

#include <QPalette>

// A soft key of the popup frames. Its skin has no disabled image, so a
// disabled popup key shows nothing at all: its label goes with it.
class AUK_90046 final : public LabelButton
{
    Q_OBJECT

public:
    explicit AUK_90046(QWidget *parent = nullptr);

    void setTextById(int id);
    void setLabelPalette(const QPalette &palette);

protected:
    void changeEvent(QEvent *event) override;
};
