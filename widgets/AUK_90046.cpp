#include "widgets/AUK_90046.h"

#include "widgets/TextIdTable.h"

#include <QEvent>

namespace {

const LabelButton::Look kLook = {"AUK_90046", BaseButton::POPUP_BUTTON, 0,    QSize(166, 64), false, QSize(),
                                 true,        QRect(3, 3, 160, 56),     false};

const TextIdTable &popupKeyTexts()
{
    static const TextIdTable table("AUK_90046", {
                                                    QT_TRANSLATE_NOOP("AUK_90046", "_ABORT_POPUPSK"),
                                                    QT_TRANSLATE_NOOP("AUK_90046", "_AUTO_TEST_POPUPSK"),
                                                    QT_TRANSLATE_NOOP("AUK_90046", "_CANCEL_POPUPSK"),
                                                    QT_TRANSLATE_NOOP("AUK_90046", "_CLOSE_POPUPSK"),
                                                    QT_TRANSLATE_NOOP("AUK_90046", "_CONFIRM_POPUPSK"),
                                                    QT_TRANSLATE_NOOP("AUK_90046", "_DISABLE_POPUPSK"),
                                                    QT_TRANSLATE_NOOP("AUK_90046", "_DISABLE_TOOL_POPUPSK"),
                                                    QT_TRANSLATE_NOOP("AUK_90046", "_ENABLE_POPUPSK"),
                                                    QT_TRANSLATE_NOOP("AUK_90046", "_ENABLE_TOOL_POPUPSK"),
                                                    QT_TRANSLATE_NOOP("AUK_90046", "_OK_POPUPSK"),
                                                    QT_TRANSLATE_NOOP("AUK_90046", "_RESTART_POPUPSK"),
                                                    QT_TRANSLATE_NOOP("AUK_90046", "_WRITE_POPUPSK"),
                                                });
    return table;
}

} // namespace

AUK_90046::AUK_90046(QWidget *parent)
    : LabelButton(parent, kLook)
{
}

void AUK_90046::setTextById(int id)
{
    setText(popupKeyTexts().text(id));
}

void AUK_90046::setLabelPalette(const QPalette &palette)
{
    label()->setPalette(palette);
}

void AUK_90046::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        label()->setVisible(isEnabled());
    LabelButton::changeEvent(event);
}
