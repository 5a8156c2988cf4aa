#pragma once

#include "widgets/BaseButton.h"

#include <QHBoxLayout>
#include <QLabel>

// One field of a date or time (year, month, day, hour, minute) in an info
// box that lights up while the field is selected.
class AUK_90054 final : public BaseButton
{
    Q_OBJECT
    Q_PROPERTY(QString buttonValue READ buttonValue WRITE setButtonValue)
    Q_PROPERTY(bool wide READ wide WRITE setWide)
    Q_PROPERTY(bool highlighted READ highlighted WRITE setHighlighted)

public:
    explicit AUK_90054(QWidget *parent = nullptr, bool wide = false);

    QString buttonValue() const;
    void setButtonValue(const QString &value);
    bool wide() const;
    // Sets the skin, which moves the box to its parent's top-left corner.
    void setWide(bool wide);
    bool highlighted() const;

public slots:
    void setHighlighted(bool highlighted);

private:
    void applyLook();

    QLabel *m_buttonValueBg;
    QWidget *m_widget;
    QHBoxLayout *m_horizontalLayout;
    QLabel *m_buttonValue;
    bool m_wide;
    bool m_highlighted = false;
};
