#include "widgets/AUK_20001.h"

#include "widgets/TextIdTable.h"

namespace {

const PopupFrame::Layout kLayout = {"AUK_20001",
                                    "popupFrame",
                                    QRect(32, 7, 574, 406),
                                    "../resources/Frames/AUK_80048_popup_lrg_frm.png",
                                    QRect(46, 13, 541, 45),
                                    QRect(36, 329, 558, 6),
                                    QRect(42, 336, 166, 64),
                                    QRect(422, 336, 166, 64),
                                    "",
                                    414,
                                    false};

const TextIdTable &wideTitles()
{
    static const TextIdTable table("AUK_20001", {
                                                    QT_TRANSLATE_NOOP("AUK_20001", "_LOGIN_POPUPTITLEWIDE"),
                                                    QT_TRANSLATE_NOOP("AUK_20001", "_LOGIN_STARTUP_POPUPTITLEWIDE"),
                                                    QT_TRANSLATE_NOOP("AUK_20001", "_MOVE_TO_CARD_POPUPTITLEWIDE"),
                                                    QT_TRANSLATE_NOOP("AUK_20001", "_MOVE_TO_ZONE_POPUPTITLEWIDE"),
                                                    QT_TRANSLATE_NOOP("AUK_20001", "_EVACUATE_POPUPTITLEWIDE"),
                                                    QT_TRANSLATE_NOOP("AUK_20001", "_WRITE_RFID_POPUPTITLEWIDE"),
                                                });
    return table;
}

} // namespace

AUK_20001::AUK_20001(int titleId, QWidget *parent)
    : PopupFrame(parent, kLayout)
{
    setTitleById(titleId);
}

void AUK_20001::setTitleById(int id)
{
    showTitle(wideTitles().text(id));
}
