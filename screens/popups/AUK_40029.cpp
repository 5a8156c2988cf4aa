#include "screens/popups/AUK_40029.h"

#include "widgets/FontRepository.h"
#include "widgets/TextIdTable.h"

#include <QLabel>

namespace {

constexpr int CancelPopupKeyId = 3;
constexpr int WaitingForOperation = 3;

const TextIdTable &messages()
{
    static const TextIdTable table(
        "AUK_40029", {
                         QT_TRANSLATE_NOOP("AUK_40029", "_LOOP_SHUTTING_DOWN_POPUPTEXT5INFO"),
                         QT_TRANSLATE_NOOP("AUK_40029", "_POLL_255_PROGRESS_POPUPTEXT5INFO"),
                         QT_TRANSLATE_NOOP("AUK_40029", "_WAITING_FOR_OPERATION_POPUPTEXT5INFO"),
                         QT_TRANSLATE_NOOP("AUK_40029", "_WAITING_FOR_PANEL_RESPONSE_PROGRESS_POPUPTEXT5INFO"),
                     });
    return table;
}

} // namespace

AUK_40029::AUK_40029(QWidget *parent)
    : AUK_20003(parent)
    , m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("AUK_40029"));
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setGeometry(134, 126, 370, 100);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    m_label->setFont(FontRepository::instance()->normal15());
    setTitle(tr("_SIMPLE_COMMISSIONING_POPUPTITLE"));
    setMessage(WaitingForOperation);
    setLeftButtonVisible(false);
    setRightButtonTextById(CancelPopupKeyId);
}

QString AUK_40029::progressText() const
{
    return m_label->text();
}

void AUK_40029::setProgressText(const QString &text)
{
    m_label->setText(text);
}

void AUK_40029::setMessage(int id)
{
    m_label->setText(messages().text(id));
}
