#pragma once

#include "widgets/ButtonSkinCache.h"

#include <QAbstractButton>
#include <QString>

class SC_Timer;

// Base of every touch button: draws one image of its skin and nothing else.
// Labels and icons on top are child widgets of the subclasses. Its own click
// and long-press signals carry the button's value.
class BaseButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(ButtonType buttonType READ buttonType WRITE setButtonType)
    Q_PROPERTY(QString value READ value WRITE setValue)
    Q_PROPERTY(bool light READ light WRITE setLight)

public:
    enum ButtonType {
        NUMERIC_BUTTON_1 = 0,
        KEYPAD_1,
        KEYPAD_2,
        KEYPAD_3,
        BUTTON_BAR,
        ACTIVE_BUTTON,
        INFO_BUTTON,
        ICON_BUTTON,
        POPUP_BUTTON,
        FILTER_BUTTON,
        EN54_LARGE,
        EN54_SMALL,
        FILTER_BUTTON_COUNTER,
        DATETIME,
        DATETIME_WIDE,
        SCROLL_BUTTON,
        HORIZONTAL_LEFT_SCROLL_BUTTON,
        HORIZONTAL_RIGHT_SCROLL_BUTTON,
        SMALL_FILTER_BUTTON,
        BUTTON_TYPE_COUNT // the number of types, not a type
    };
    Q_ENUM(ButtonType)

    // A long-press delay of 0 means the button never reports a long press.
    explicit BaseButton(QWidget *parent, int buttonType, int longPressDelay = 0);
    ~BaseButton() override;

    ButtonType buttonType() const;
    // Also moves the button to its parent's top-left corner and limits its
    // size to the skin: callers place the button after setting the type.
    void setButtonType(ButtonType type);

    QString value() const;
    void setValue(const QString &value);

    bool light() const;
    void setLight(bool light);

    int longPressDelay() const;

signals:
    void clicked(const QString &value);
    void longPress(const QString &value);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private slots:
    void mouseHeld();

private:
    void applySkin();

    int m_buttonType;
    QString m_value;
    bool m_light = false;
    ButtonSkinCache::Skin m_images;
    int m_longPressDelay;
    SC_Timer *m_longPressTimer;
};
