#include "widgets/AUK_20002.h"

namespace {

const PopupFrame::Layout kLayout = {"AUK_20002",
                                    "label",
                                    QRect(116, 7, 418, 408),
                                    "../resources/Frames/AUK_80051_popup_med_frm.png",
                                    QRect(128, 13, 385, 45),
                                    QRect(121, 330, 398, 6),
                                    QRect(127, 338, 166, 64),
                                    QRect(347, 338, 166, 64),
                                    "LOGIN",
                                    415,
                                    true};

} // namespace

AUK_20002::AUK_20002(QWidget *parent)
    : PopupFrame(parent, kLayout)
{
}
