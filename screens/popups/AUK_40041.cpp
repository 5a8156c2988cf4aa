#include "screens/popups/AUK_40041.h"

#include "app/PageStack.h"
#include "screens/popups/MessagePopupForm.h"
#include "widgets/FontRepository.h"

#include <QLabel>

namespace {

constexpr int OkPopupKeyId = 10;
constexpr int CancelPopupKeyId = 3;

} // namespace

AUK_40041::AUK_40041(QWidget *parent, bool connectButtons, bool closeOnCompletion)
    : AUK_20002(parent)
    , m_form(new MessagePopupForm(this))
    , m_connectButtons(connectButtons)
    , m_closeOnCompletion(closeOnCompletion)
{
    setObjectName(QStringLiteral("AUK_40041"));
    setTitle(QString());
    m_form->topLabel->setFont(FontRepository::instance()->bold15());
    m_form->middleLabel->setFont(FontRepository::instance()->bold15());
    m_form->bottomLabel->setFont(FontRepository::instance()->normal15());
    // The question needs room for a longer consequence below it.
    m_form->middleLabel->setGeometry(134, 156, 370, 20);
    m_form->bottomLabel->setGeometry(134, 191, 370, 74);
    setLeftButtonTextById(OkPopupKeyId);
    setRightButtonTextById(CancelPopupKeyId);
    setShadowVisible(true);
    if (m_connectButtons) {
        connect(this, &BasePopup::rightButtonClicked, this, &AUK_40041::cancelClicked);
        connect(this, &BasePopup::leftButtonClicked, this, &AUK_40041::okClicked);
    }
}

AUK_40041::~AUK_40041()
{
    delete m_form;
}

void AUK_40041::setConfirmText()
{
    m_form->topLabel->setFont(FontRepository::instance()->bold15());
    m_form->topLabel->setText(tr("_CONFIRM_RESOUND_POPUPTEXT1BODY"));
}

void AUK_40041::setWarningText()
{
    m_form->middleLabel->setText(tr("_WARNING_POPUPTEXT1BODY"));
}

void AUK_40041::setConsequenceText()
{
    m_form->bottomLabel->setText(tr("_RESOUND_CONSEQUENCE_POPUPTEXT3INFO"));
}

void AUK_40041::cancelClicked()
{
    PageStack::instance()->remove(this);
}

void AUK_40041::okClicked()
{
    PageStack::instance()->remove(this);
}

// The result is not shown: the right key only becomes the way out.
void AUK_40041::actionCompleted(bool)
{
    if (m_closeOnCompletion) {
        PageStack::instance()->remove(this);
        return;
    }
    setRightButtonVisible(true);
    connect(this, &BasePopup::rightButtonClicked, this, &AUK_40041::okClicked, Qt::UniqueConnection);
}
