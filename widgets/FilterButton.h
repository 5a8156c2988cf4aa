#pragma once

#include "widgets/BaseButton.h"

#include <QLabel>

// The button of one filter of a list screen: a caption, and the current
// choice or, once the choice has been cleared, a prompt in italics.
class FilterButton : public BaseButton
{
    Q_OBJECT
    Q_PROPERTY(QString buttonLabel READ buttonLabel WRITE setButtonLabel)
    Q_PROPERTY(QString buttonValue READ buttonValue WRITE setButtonValue)
    Q_PROPERTY(QString buttonEmptyValue READ buttonEmptyValue WRITE setButtonEmptyValue)

public:
    explicit FilterButton(QWidget *parent, int buttonType);

    virtual QString buttonLabel() const = 0;
    virtual void setButtonLabel(const QString &label) = 0;
    // Empty while the prompt is shown.
    virtual QString buttonValue() const = 0;
    virtual QString buttonEmptyValue() const;
    // A prompt already on screen stays until the next empty value.
    virtual void setButtonEmptyValue(const QString &prompt);
    virtual void clearAndDisable();
    virtual void clearAndEnable();
    virtual void setValueAlignment(Qt::Alignment alignment) = 0;

public slots:
    virtual void setButtonValue(const QString &value) = 0;

protected:
    bool showsEmptyValue() const;
    // Shows the value in bold, or for an empty value the prompt in italics.
    void showValue(QLabel *valueLabel, const QString &value);
    // The caption on the left and the value box on the right, as the
    // button's form lays them out.
    QLabel *addCaption(const QRect &geometry);
    QLabel *addValueBox(const QRect &geometry, const char *image);

private:
    bool m_showsEmptyValue = false;
    QString m_emptyValue;
};
