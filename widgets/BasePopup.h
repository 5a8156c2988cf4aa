#pragma once

#include "widgets/Page.h"

#include <QPixmap>
#include <QString>

class SC_Timer;

// Base of every popup: the page stack shows it over the current screen,
// between header and footer. Its title, icon and two keys are reached only
// through the operations below, which each frame implements on its parts.
class BasePopup : public Page
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(QPixmap titleIcon READ titleIcon WRITE setPopupIcon)
    Q_PROPERTY(bool leftButtonVisible READ leftButtonVisible WRITE setLeftButtonVisible)
    Q_PROPERTY(QString leftButtonText READ leftButtonText WRITE setLeftButtonText)
    Q_PROPERTY(bool leftButtonLight READ leftButtonLight WRITE setLeftButtonLight)
    Q_PROPERTY(bool rightButtonVisible READ rightButtonVisible WRITE setRightButtonVisible)
    Q_PROPERTY(QString rightButtonText READ rightButtonText WRITE setRightButtonText)
    Q_PROPERTY(bool rightButtonLight READ rightButtonLight WRITE setRightButtonLight)

public:
    explicit BasePopup(QWidget *parent = nullptr);
    ~BasePopup() override;

    bool isPopup() const override;

    virtual QString title() const = 0;
    virtual void setTitle(const QString &title) = 0;
    virtual QPixmap titleIcon() const = 0;
    virtual void setPopupIcon(const QPixmap &icon) = 0;
    virtual bool leftButtonVisible() const = 0;
    virtual void setLeftButtonVisible(bool visible) = 0;
    virtual QString leftButtonText() const = 0;
    virtual void setLeftButtonText(const QString &text) = 0;
    virtual bool leftButtonLight() const = 0;
    virtual void setLeftButtonLight(bool light) = 0;
    virtual bool rightButtonVisible() const = 0;
    virtual void setRightButtonVisible(bool visible) = 0;
    virtual QString rightButtonText() const = 0;
    virtual void setRightButtonText(const QString &text) = 0;
    virtual bool rightButtonLight() const = 0;
    virtual void setRightButtonLight(bool light) = 0;

    // Presses the left key by itself once the delay has passed, once: a
    // popup that stays up must not run its action again and again.
    void startAutoPress(int milliseconds);

signals:
    void leftButtonClicked();
    void rightButtonClicked();

private:
    SC_Timer *m_autoPressTimer = nullptr;
};
