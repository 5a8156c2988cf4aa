#pragma once

#include "widgets/LabelButton.h"

// A soft key of the soft-key bar.
class AUK_90005 final : public LabelButton
{
    Q_OBJECT

public:
    explicit AUK_90005(QWidget *parent = nullptr);

    // Screens pass the ids as plain integers; the numbering is fixed.
    void setTextById(int id);
};
