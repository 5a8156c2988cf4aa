#pragma once

#include "widgets/BaseButton.h"

#include <QLabel>

// The red information buttons of the fire screen: a caption on the left and
// a large value in a value box on the right, tall or short.
class InfoPaneButton : public BaseButton
{
    Q_OBJECT
    Q_PROPERTY(QString buttonLabel READ buttonLabel WRITE setButtonLabel)
    Q_PROPERTY(QString buttonValue READ buttonValue WRITE setButtonValue)

public:
    QString buttonLabel() const;
    void setButtonLabel(const QString &text);
    QString buttonValue() const;
    void setButtonValue(const QString &text);
    // The label that shows the value.
    QLabel *valueLabel() const { return m_buttonValue; }

protected:
    // Builds the labels with the look of the given fixed size; the skin is
    // set by applyTall.
    InfoPaneButton(QWidget *parent, int buttonType, const char *objectName, const QSize &size);

    // Tall uses the large skin and value box, short the small ones.
    void applyTall(bool tall);

private:
    QLabel *m_buttonLabel;
    QLabel *m_buttonValueBg;
    QLabel *m_buttonValue;
};
