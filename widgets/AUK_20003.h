#pragma once

#include "widgets/PopupFrame.h"

// The small popup frame.
class AUK_20003 : public PopupFrame
{
    Q_OBJECT

public:
    explicit AUK_20003(QWidget *parent = nullptr);

    using PopupFrame::setShadowVisible;
};
