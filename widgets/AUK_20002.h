#pragma once

#include "widgets/PopupFrame.h"

// The medium popup frame.
class AUK_20002 : public PopupFrame
{
    Q_OBJECT

public:
    explicit AUK_20002(QWidget *parent = nullptr);

    using PopupFrame::setShadowVisible;
};
