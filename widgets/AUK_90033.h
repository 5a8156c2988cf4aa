#pragma once

#include "widgets/FilterButton.h"

#include <QLabel>

// The counter tile of the status viewers: a filter button whose value is a
// count.
class AUK_90033 final : public FilterButton
{
    Q_OBJECT

public:
    explicit AUK_90033(QWidget *parent = nullptr);

    QString buttonLabel() const override;
    void setButtonLabel(const QString &label) override;
    QString buttonValue() const override;
    void setValueAlignment(Qt::Alignment alignment) override;
    virtual void setLabelPalette(const QPalette &palette);

public slots:
    void setButtonValue(const QString &value) override;

private:
    QLabel *m_buttonLabel;
    QLabel *m_buttonValueBg;
    QLabel *m_buttonValue;
};
