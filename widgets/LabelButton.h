#pragma once

#include "widgets/BaseButton.h"

#include <QLabel>
#include <QRect>
#include <QSize>

// A skin with one centred, word-wrapped text label on top: the common build
// of the soft keys, the popup keys, the arrow keys and the number keys.
class LabelButton : public BaseButton
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    struct Look
    {
        const char *objectName;
        int buttonType;
        int longPressDelay;
        QSize size;
        bool fixedSize; // else only resized
        QSize minimumSize; // applied when not empty
        bool setsSkinType; // the arrow key keeps the type it was built with
        QRect labelRect;
        bool styleProperties; // "typeface" and "color" for style-sheet matching
    };

    explicit LabelButton(QWidget *parent, const Look &look);

    QString text() const;
    void setText(const QString &text);
    QLabel *label() const;

private:
    QLabel *m_label;
};
