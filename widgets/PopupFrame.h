#pragma once

#include "widgets/BasePopup.h"

#include <QRect>

class AUK_90046;
class QLabel;
class QWidget;

// The parts every popup frame has: a frame image, a title row with icon and
// title, a shadow and two popup keys. The small, medium and large frames
// differ only in where these lie and in the frame image.
class PopupFrame : public BasePopup
{
    Q_OBJECT

public:
    struct Layout
    {
        const char *objectName;
        const char *frameName;
        QRect frame;
        const char *frameImage;
        QRect titleRow;
        QRect shadow;
        QRect leftButton;
        QRect rightButton;
        const char *initialTitle;
        int maximumHeight;
        bool titleWritable; // the large frame's title comes only by id
    };

    QString title() const override;
    void setTitle(const QString &title) override;
    QPixmap titleIcon() const override;
    void setPopupIcon(const QPixmap &icon) override;
    bool leftButtonVisible() const override;
    void setLeftButtonVisible(bool visible) override;
    // The keys' texts are set only by id.
    QString leftButtonText() const override;
    void setLeftButtonText(const QString &text) override;
    bool leftButtonLight() const override;
    void setLeftButtonLight(bool light) override;
    bool rightButtonVisible() const override;
    void setRightButtonVisible(bool visible) override;
    QString rightButtonText() const override;
    void setRightButtonText(const QString &text) override;
    bool rightButtonLight() const override;
    void setRightButtonLight(bool light) override;

    // Texts from the popup soft-key table.
    void setLeftButtonTextById(int id);
    void setRightButtonTextById(int id);

protected:
    PopupFrame(QWidget *parent, const Layout &layout);

    void setShadowVisible(bool visible);
    // The large frame's titles by id.
    void showTitle(const QString &title);

private:
    static void setButtonLight(AUK_90046 *key, bool light);

    bool m_titleWritable;
    QLabel *m_frame;
    QWidget *m_titleRow;
    QLabel *m_popupIcon;
    QLabel *m_popupTitle;
    QWidget *m_shadow;
    AUK_90046 *m_leftButton;
    AUK_90046 *m_rightButton;
};
