#include "screens/popups/AUK_40025.h"

#include "app/PageStack.h"
#include "widgets/PaletteRepository.h"

#include <QLabel>

namespace {

constexpr int LoginTitleId = 1;
constexpr int CancelPopupKeyId = 3;
// The left key is hidden and nothing listens to it: the press changes nothing.
constexpr int AutoPressMs = 5000;

QLabel *label(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *created = new QLabel(parent);
    created->setObjectName(QLatin1String(name));
    created->setGeometry(geometry);
    return created;
}

} // namespace

AUK_40025::AUK_40025(QWidget *parent)
    : AUK_20001(LoginTitleId, parent)
    , m_lblBG(label(this, "lblBG", QRect(36, 55, 150, 275)))
    , m_lblIcon(label(this, "lblIcon", QRect(70, 152, 80, 81)))
    , m_lblHelp(label(this, "lblHelp", QRect(210, 79, 356, 227)))
{
    setObjectName(QStringLiteral("AUK_40025"));
    resize(640, 414);
    m_lblBG->setAutoFillBackground(true);
    m_lblIcon->setPixmap(QPixmap(QStringLiteral("../resources/images/AUK_80087_LOGIN_HELP_ELEMENT-19.png")));
    m_lblHelp->setPixmap(QPixmap(QStringLiteral("../resources/images/AUK_80086_LOGIN_HELP_ELEMENT-18.png")));
    setRightButtonTextById(CancelPopupKeyId);
    QPalette shade = m_lblBG->palette();
    shade.setBrush(QPalette::All, QPalette::Window, QBrush(PaletteRepository::shadowGrey(), Qt::SolidPattern));
    m_lblBG->setPalette(shade);
    setLeftButtonVisible(false);
    connect(this, &BasePopup::rightButtonClicked, this, &AUK_40025::cancelClicked);
    startAutoPress(AutoPressMs);
}

void AUK_40025::cancelClicked()
{
    PageStack::instance()->remove(this);
}
