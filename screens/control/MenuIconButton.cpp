#include "screens/control/MenuIconButton.h"

#include "widgets/AUK_90002.h"
#include "widgets/PanelIcon.h"

AUK_90002 *addMenuIconButton(QWidget *page, const char *name, const char *icon, int textId)
{
    auto *button = new AUK_90002(page);
    button->setObjectName(QLatin1String(name));
    button->setIcon(panelIcon(icon));
    button->setTextById(textId);
    return button;
}
