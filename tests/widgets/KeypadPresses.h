#pragma once

#include "widgets/BasePopup.h"
#include "widgets/KeypadButton.h"

#include <QStringList>
#include <QtTest>

// Presses a keypad popup's keys by name, as the operator would: "1".."9",
// "0", "DEL", and "OK" for the popup's left key.
inline void pressKeys(BasePopup *popup, const QStringList &keys)
{
    for (const QString &key : keys) {
        if (key == QLatin1String("OK")) {
            emit popup->leftButtonClicked();
            continue;
        }
        QString name = QStringLiteral("keypadButton_del");
        if (key == QLatin1String("0"))
            name = QStringLiteral("keypadButton_10");
        else if (key == QLatin1String("1"))
            name = QStringLiteral("keypadButton");
        else if (key != QLatin1String("DEL"))
            name = QStringLiteral("keypadButton_") + key;
        auto *button = popup->findChild<KeypadButton *>(name);
        QVERIFY2(button, qPrintable(name));
        emit button->clicked(button->value());
    }
}
