#include "listscreens/AUK_10010.h"

#include <QVariant>

AUK_10010::AUK_10010(QWidget *parent)
    : gui::FilterSelectorsScreenTemplate(parent)
    , m_form(FilterScreenForm::build(this, "AUK_10010", "lists"))
{
    setProperty("title", QString());
    buildFilterButtonsLayout();
    connectLozengeBarScrollButtons(this);
}

AUK_10010::~AUK_10010() = default;
