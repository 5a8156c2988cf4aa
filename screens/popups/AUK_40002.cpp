#include "screens/popups/AUK_40002.h"

#include "app/PageStack.h"
#include "link/SyncClient.h"
#include "widgets/FontRepository.h"

#include <QLabel>

namespace {

constexpr int EvacuateWideTitle = 5;
constexpr int ConfirmPopupKeyId = 5;
constexpr int CancelPopupKeyId = 3;

QLabel *makeText(QWidget *parent, const char *name, const QRect &geometry, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(font);
    return label;
}

} // namespace

struct AUK_40002::Form
{
    explicit Form(QWidget *popup)
        : lblIcon(new QLabel(popup))
        , label_2(makeText(popup, "label_2", QRect(294, 113, 270, 25), FontRepository::instance()->normal22b()))
        , label_3(makeText(popup, "label_3", QRect(294, 140, 270, 38), FontRepository::instance()->bold22()))
        , label_4(makeText(popup, "label_4", QRect(294, 202, 270, 75), FontRepository::instance()->normal22b()))
    {
        lblIcon->setObjectName(QStringLiteral("lblIcon"));
        lblIcon->setGeometry(76, 90, 160, 203);
        lblIcon->setPixmap(QPixmap(QStringLiteral("../resources/images/AUK_80085_Evacuate_ICON-15.png")));
    }

    QLabel *lblIcon;
    QLabel *label_2;
    QLabel *label_3;
    QLabel *label_4;
};

AUK_40002::AUK_40002(QWidget *parent)
    : AUK_20001(EvacuateWideTitle, parent)
    , m_ui(new Form(this))
{
    setObjectName(QStringLiteral("AUK_40002"));
    m_ui->label_2->setText(tr("_PLEASE_CONFIRM_270_25_EN54INFOSTYLE"));
    m_ui->label_3->setText(tr("_EVACUATE_270_38_EN54EVENTSTYLE"));
    m_ui->label_4->setText(tr("_EVACUATE_CONSEQUENCE_270_75_EN54INFOSTYLE"));
    setLeftButtonTextById(ConfirmPopupKeyId);
    setRightButtonTextById(CancelPopupKeyId);
    connect(this, &BasePopup::leftButtonClicked, this, &AUK_40002::confirmClicked);
    connect(this, &BasePopup::rightButtonClicked, this, &AUK_40002::cancelClicked);
}

AUK_40002::~AUK_40002()
{
    delete m_ui;
}

void AUK_40002::confirmClicked()
{
    SyncClient::instance()->evacuate();
    PageStack::instance()->remove(this);
}

void AUK_40002::cancelClicked()
{
    PageStack::instance()->remove(this);
}
