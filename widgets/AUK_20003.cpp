#include "widgets/AUK_20003.h"

namespace {

const PopupFrame::Layout kLayout = {"AUK_20003",
                                    "label",
                                    QRect(127, 73, 394, 244),
                                    "../resources/Frames/AUK_80052_popup_smll_frm.png",
                                    QRect(139, 79, 361, 45),
                                    QRect(132, 232, 374, 6),
                                    QRect(138, 239, 166, 64),
                                    QRect(334, 239, 166, 64),
                                    "LOGIN",
                                    414,
                                    true};

} // namespace

AUK_20003::AUK_20003(QWidget *parent)
    : PopupFrame(parent, kLayout)
{
}
