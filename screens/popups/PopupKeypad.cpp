#include "screens/popups/PopupKeypad.h"

#include "widgets/FontRepository.h"
#include "widgets/KeypadButton.h"

#include <QCoreApplication>
#include <QLabel>

namespace {

KeypadButton *keypadButton(QWidget *parent, const QString &name, const QPoint &at, const QString &value)
{
    auto *key = new KeypadButton(parent);
    key->setObjectName(name);
    key->setGeometry(QRect(at, QSize(56, 60)));
    key->setValue(value);
    key->setText(value);
    return key;
}

} // namespace

PopupKeypad PopupKeypad::build(QWidget *parent)
{
    PopupKeypad keypad{};
    for (int digit = 1; digit <= 9; ++digit) {
        const QString name = digit == 1 ? QStringLiteral("keypadButton") : QStringLiteral("keypadButton_%1").arg(digit);
        const QPoint at(400 + 60 * ((digit - 1) % 3), 64 + 64 * ((digit - 1) / 3));
        keypad.digits[digit - 1] = keypadButton(parent, name, at, QString::number(digit));
    }
    keypad.digits[9] = keypadButton(parent, QStringLiteral("keypadButton_10"), QPoint(460, 256), QStringLiteral("0"));
    keypad.deleteKey = keypadButton(parent, QStringLiteral("keypadButton_del"), QPoint(520, 256), QString());
    keypad.deleteKey->setLight(true);
    keypad.deleteKey->setText(QCoreApplication::translate("BaseButton", "_DEL_NUMPAD"));
    // A word, not a digit: in the digits' size it would not fit the key.
    keypad.deleteKey->findChild<QLabel *>(QStringLiteral("label"))->setFont(FontRepository::instance()->bold15());
    return keypad;
}

QLabel *popupImageLabel(QWidget *parent, const QString &name, const QRect &geometry, const char *image)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setPixmap(QPixmap(QLatin1String(image)));
    return label;
}
