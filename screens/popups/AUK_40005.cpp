#include "screens/popups/AUK_40005.h"

#include "widgets/FontRepository.h"

#include <QLabel>

namespace {

constexpr int CancelPopupKeyId = 3;
constexpr int ConfirmPopupKeyId = 5;

QLabel *line(QWidget *parent, const char *name, int y, int height, const QFont &font)
{
    auto *created = new QLabel(parent);
    created->setObjectName(QLatin1String(name));
    created->setGeometry(134, y, 370, height);
    created->setAlignment(Qt::AlignCenter);
    created->setWordWrap(true);
    created->setFont(font);
    return created;
}

} // namespace

AUK_40005::AUK_40005(QWidget *parent)
    : AUK_20003(parent)
    , m_lblPanelRestartText(line(this, "lblPanelRestartText", 126, 20, FontRepository::instance()->bold15()))
    , m_lblPanelText(line(this, "lblPanelText", 146, 20, FontRepository::instance()->normal15()))
    , m_lblWarning(line(this, "lblWarning", 166, 20, FontRepository::instance()->normal15()))
    , m_lblPanelRestartDescription(
          line(this, "lblPanelRestartDescription", 186, 40, FontRepository::instance()->normal15()))
{
    setObjectName(QStringLiteral("AUK_40005"));
    resize(640, 480);
    setRightButtonVisible(true);
    setLeftButtonVisible(true);
    setTitle(tr("_PANEL_RESTART_POPUPTITLE"));
    m_lblPanelRestartText->setText(tr("_PANEL_RESTART_CONFIRM_POPUPTEXT1BODY"));
    m_lblPanelRestartDescription->setText(tr("_PANEL_RESTART_DESCRIPTION_POPUPTEXT2INFO"));
    m_lblWarning->setText(tr("_WARNING_POPUPTEXT1INFO"));
    setRightButtonTextById(CancelPopupKeyId);
    setLeftButtonTextById(ConfirmPopupKeyId);
}

AUK_40005::AUK_40005(const QString &description, const QString &question, const QString &panelText,
                     const QString &warning, QWidget *parent)
    : AUK_40005(parent)
{
    m_lblPanelRestartDescription->setText(description);
    m_lblPanelRestartText->setText(question);
    m_lblPanelText->setText(panelText);
    m_lblWarning->setText(warning);
}

AUK_40005::AUK_40005(const QString &panelText, QWidget *parent)
    : AUK_40005(parent)
{
    m_lblPanelText->setText(panelText);
}
