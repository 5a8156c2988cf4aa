#pragma once

#include "widgets/AUK_90011.h"

// The card view with larger counter and title fonts whose title is cleared
// whenever another card comes to the middle.
class AUK_90029 final : public AUK_90011
{
    Q_OBJECT

public:
    explicit AUK_90029(QWidget *parent = nullptr);

protected slots:
    void selectedItemChanged() override;
};
