#include "screens/popups/PopupOptions.h"

#include "widgets/AUK_90003.h"
#include "widgets/FontRepository.h"

#include <QFrame>

namespace PopupOptions {

AUK_90003 *optionItem(QWidget *parent, const char *name, int y, const QString &text)
{
    auto *item = new AUK_90003(parent);
    item->setObjectName(QLatin1String(name));
    item->setGeometry(140, y, 360, 32);
    item->setText(text);
    item->setLabelFont(FontRepository::instance()->bold15());
    return item;
}

void addRules(QWidget *parent, int count)
{
    for (int line = 0; line < count; ++line) {
        auto *rule = new QFrame(parent);
        rule->setObjectName(QStringLiteral("line_%1").arg(line + 1));
        rule->setGeometry(135, 124 + 50 * line, 370, 16);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Plain);
    }
}

} // namespace PopupOptions
