#pragma once

#include "widgets/LabelButton.h"

#include <QPixmap>

// The scroll soft key: an arrow icon on the label; held for 500 ms it also
// reports a long press, which the soft-key bar turns into fast scrolling.
class AUK_90007 final : public LabelButton
{
    Q_OBJECT
    // The button's own text, which nothing draws.
    Q_PROPERTY(QString text READ buttonText WRITE setButtonText)

public:
    explicit AUK_90007(QWidget *parent = nullptr);

    QString buttonText() const;
    void setButtonText(const QString &text);
    void setIcon(const QPixmap &icon);
};
