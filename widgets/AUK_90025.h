#pragma once

#include "widgets/InfoPaneButton.h"

// The red information button of the fire screen that can be tall or short.
class AUK_90025 final : public InfoPaneButton
{
    Q_OBJECT
    Q_PROPERTY(bool tall READ tall WRITE setTall)

public:
    explicit AUK_90025(QWidget *parent = nullptr);

    bool tall() const;
    void setTall(bool tall);

private:
    bool m_tall = true;
};
