#pragma once

#include "widgets/FilterButtonCounter.h"
#include "widgets/QLabelWithCursor.h"

#include <QHBoxLayout>
#include <QLabel>

// The wide filter button with a count after its value and a text cursor
// for the value being typed.
class AUK_90008 final : public FilterButtonCounter
{
    Q_OBJECT

public:
    explicit AUK_90008(QWidget *parent = nullptr);

    QString buttonLabel() const override;
    void setButtonLabel(const QString &label) override;
    QString buttonValue() const override;
    void setValueAlignment(Qt::Alignment alignment) override;
    void clearAndDisable() override;
    void clearAndEnable() override;
    // Without the parentheses.
    QString buttonCounter() const override;
    // A counter longer than the field width is shown whole.
    void setButtonCounter(const QString &counter, int fieldWidth, QChar fill) override;
    void setCurrentLook(bool typing);

public slots:
    void setButtonValue(const QString &value) override;

private:
    QLabel *m_buttonLabel;
    QLabel *m_buttonValueBg;
    QWidget *m_widget;
    QHBoxLayout *m_horizontalLayout;
    QLabelWithCursor *m_buttonValue;
    QLabel *m_buttonCounter;
};
