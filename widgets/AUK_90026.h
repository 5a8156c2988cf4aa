#pragma once

#include "widgets/BaseButton.h"
#include "widgets/InfoPaneForm.h"

#include <memory>

// The short red information button of the fire screen.
class AUK_90026 final : public BaseButton
{
    Q_OBJECT
    Q_PROPERTY(QString buttonLabel READ buttonLabel WRITE setButtonLabel)
    Q_PROPERTY(QString buttonValue READ buttonValue WRITE setButtonValue)

public:
    explicit AUK_90026(QWidget *parent = nullptr);
    ~AUK_90026() override;

    QString buttonLabel() const;
    void setButtonLabel(const QString &text);
    QString buttonValue() const;
    void setButtonValue(const QString &text);

private:
    std::unique_ptr<InfoPaneForm> m_form;
};
