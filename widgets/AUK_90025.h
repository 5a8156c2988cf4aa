#pragma once

#include "widgets/BaseButton.h"
#include "widgets/InfoPaneForm.h"

#include <memory>

// A red information button of the fire screen, tall or short: a caption and
// a large value such as a counter.
class AUK_90025 final : public BaseButton
{
    Q_OBJECT
    Q_PROPERTY(QString buttonLabel READ buttonLabel WRITE setButtonLabel)
    Q_PROPERTY(QString buttonValue READ buttonValue WRITE setButtonValue)
    Q_PROPERTY(bool tall READ tall WRITE setTall)

public:
    explicit AUK_90025(QWidget *parent = nullptr);
    ~AUK_90025() override;

    QString buttonLabel() const;
    void setButtonLabel(const QString &text);
    QString buttonValue() const;
    void setButtonValue(const QString &text);
    bool tall() const;
    void setTall(bool tall);

private:
    std::unique_ptr<InfoPaneForm> m_form;
    bool m_tall = true;
};
