#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class AUK_90005;
class AUK_90007;

// The row of soft keys above the footer: left, middle and right text keys,
// and a pair of scroll keys that a list screen shows in the right key's
// place. Screens connect to the bar's own signals, not to the keys.
class AUK_90006 final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool leftButtonVisible READ leftButtonVisible WRITE setLeftButtonVisible)
    Q_PROPERTY(QString leftButtonText READ leftButtonText WRITE setLeftButtonText)
    Q_PROPERTY(bool middleButtonVisible READ middleButtonVisible WRITE setMiddleButtonVisible)
    Q_PROPERTY(QString middleButtonText READ middleButtonText WRITE setMiddleButtonText)
    Q_PROPERTY(bool rightButtonVisible READ rightButtonVisible WRITE setRightButtonVisible)
    Q_PROPERTY(QString rightButtonText READ rightButtonText WRITE setRightButtonText)
    Q_PROPERTY(bool scrollButtonsVisible READ scrollButtonsVisible WRITE setScrollButtonsVisible)
    Q_PROPERTY(QPixmap scrollButtonsImage READ scrollButtonsImage WRITE setScrollButtonsImage)
    Q_PROPERTY(bool leftButtonEnabled READ leftButtonEnabled WRITE setLeftButtonEnabled)
    Q_PROPERTY(bool middleButtonEnabled READ middleButtonEnabled WRITE setMiddleButtonEnabled)
    Q_PROPERTY(bool rightButtonEnabled READ rightButtonEnabled WRITE setRightButtonEnabled)
    Q_PROPERTY(bool upScrollButtonEnabled READ upScrollButtonEnabled WRITE setUpScrollButtonEnabled)
    Q_PROPERTY(bool downScrollButtonEnabled READ downScrollButtonEnabled WRITE setDownScrollButtonEnabled)

public:
    explicit AUK_90006(QWidget *parent = nullptr);

    // Visible means the key's own visible state, false while the bar is not
    // shown.
    bool leftButtonVisible() const;
    void setLeftButtonVisible(bool visible);
    QString leftButtonText() const;
    void setLeftButtonText(const QString &text);
    bool middleButtonVisible() const;
    void setMiddleButtonVisible(bool visible);
    QString middleButtonText() const;
    void setMiddleButtonText(const QString &text);
    bool rightButtonVisible() const;
    void setRightButtonVisible(bool visible);
    QString rightButtonText() const;
    void setRightButtonText(const QString &text);
    bool scrollButtonsVisible() const;
    void setScrollButtonsVisible(bool visible);
    // The up key shows the image, the down key the image turned over.
    QPixmap scrollButtonsImage() const;
    void setScrollButtonsImage(const QPixmap &image);
    bool leftButtonEnabled() const;
    void setLeftButtonEnabled(bool enabled);
    bool middleButtonEnabled() const;
    void setMiddleButtonEnabled(bool enabled);
    bool rightButtonEnabled() const;
    void setRightButtonEnabled(bool enabled);
    bool upScrollButtonEnabled() const;
    void setUpScrollButtonEnabled(bool enabled);
    bool downScrollButtonEnabled() const;
    void setDownScrollButtonEnabled(bool enabled);

    // Texts from the soft-key table; screens pass the ids as plain integers.
    void setLeftButtonTextById(int id);
    void setMiddleButtonTextById(int id);
    void setRightButtonTextById(int id);

signals:
    void leftButtonClicked();
    void middleButtonClicked();
    void rightButtonClicked();
    void scrollUpButtonClicked();
    void scrollDownButtonClicked();
    void scrollUpButtonHeld();
    void scrollDownButtonHeld();

private:
    AUK_90005 *textKey(const char *name, int x);
    AUK_90007 *scrollKey(const char *name, int x);

    QWidget *m_shadow;
    AUK_90005 *m_leftButton;
    AUK_90005 *m_middleButton;
    AUK_90005 *m_rightButton;
    AUK_90007 *m_scrollDownButton;
    AUK_90007 *m_scrollUpButton;
};
