#pragma once

#include "listscreens/FilterScreenForm.h"
#include "listscreens/FilterSelectorsScreenTemplate.h"

// The filter screen without a summary pane; the commissioning tool screens
// derive from it. Its editors stack in "lists".
class AUK_10010 : public gui::FilterSelectorsScreenTemplate
{
    Q_OBJECT

public:
    explicit AUK_10010(QWidget *parent = nullptr);
    ~AUK_10010() override;

    AUK_90006 *lozengeBar() const override { return m_form.lozengeBar; }
    QWidget *filterLink() const override { return m_form.filterLink; }
    QWidget *filterButtonsContainer() const override { return m_form.filterButtonsContainer; }
    QStackedWidget *stackedWidget() const override { return m_form.stackedWidget; }

private:
    FilterScreenForm m_form;
};
