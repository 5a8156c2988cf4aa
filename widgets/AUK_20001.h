#pragma once

#include "widgets/PopupFrame.h"

// The large popup frame, whose wide title is chosen by id only.
class AUK_20001 : public PopupFrame
{
    Q_OBJECT

public:
    explicit AUK_20001(int titleId, QWidget *parent = nullptr);

    // An id without a title empties it.
    void setTitleById(int id);
};
