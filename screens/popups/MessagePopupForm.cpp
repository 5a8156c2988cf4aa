#include "screens/popups/MessagePopupForm.h"

#include "widgets/FontRepository.h"

#include <QLabel>

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QRect &geometry, bool wrap, bool enabled, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(wrap);
    label->setEnabled(enabled);
    label->setFont(font);
    return label;
}

} // namespace

MessagePopupForm::MessagePopupForm(QWidget *popup)

    : topLabel(makeLabel(popup, "topLabel", QRect(134, 126, 370, 20), true, true, FontRepository::instance()->bold15()))
    , middleLabel(
          makeLabel(popup, "middleLabel", QRect(134, 146, 370, 20), true, true, FontRepository::instance()->bold15()))
    , bottomLabel(
          makeLabel(popup, "bottomLabel", QRect(134, 166, 370, 65), true, true, FontRepository::instance()->normal15()))
    , bottomLabel212(makeLabel(popup, "bottomLabel212", QRect(134, 186, 370, 40), true, false,
                               FontRepository::instance()->normal15()))
    , middleLabel212(makeLabel(popup, "middleLabel212", QRect(134, 166, 370, 20), true, false,
                               FontRepository::instance()->bold15()))
    , topLabel212(
          makeLabel(popup, "topLabel212", QRect(134, 126, 370, 40), false, false, FontRepository::instance()->bold15()))
{
}
