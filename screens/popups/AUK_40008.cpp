#include "screens/popups/AUK_40008.h"

#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>

namespace {

constexpr int CancelPopupKeyId = 3;
constexpr int ClosePopupKeyId = 4;

QLabel *countLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(FontRepository::instance()->normal15());
    return label;
}

void addLine(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(geometry);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    QPalette palette = line->palette();
    palette.setColor(QPalette::All, QPalette::WindowText, PaletteRepository::midGrey());
    line->setPalette(palette);
}

QString fourDigits(int value)
{
    return QStringLiteral("%1").arg(value, 4, 10, QLatin1Char('0'));
}

} // namespace

AUK_40008::AUK_40008(int pending, const QString &title, const QString &body, QWidget *parent)
    : AUK_20003(parent)
    , m_taskCompleteText(countLabel(this, "taskCompleteText", QRect(184, 189, 214, 17)))
    , m_taskCount(countLabel(this, "taskCount", QRect(407, 189, 64, 17)))
    , m_pendingText(countLabel(this, "pendingText", QRect(184, 157, 170, 17)))
    , m_pendingCount(countLabel(this, "pendingCount", QRect(407, 157, 64, 17)))
    , m_pending(std::max(pending, 0))
{
    setObjectName(QStringLiteral("AUK_40008"));
    resize(640, 414);
    addLine(this, "line", QRect(142, 170, 350, 20));
    addLine(this, "line_2", QRect(142, 202, 350, 16));
    addLine(this, "line_3", QRect(143, 142, 350, 16));
    m_pendingText->setText(tr("_PENDING_170_17_INFOTEXTSTYLE"));
    setRightButtonTextById(CancelPopupKeyId);
    setLeftButtonVisible(false);
    showCounts();
    setTitle(title);
    m_taskCompleteText->setText(body);
}

void AUK_40008::tasksCompleted(int count)
{
    m_pending = std::max(m_pending - count, 0);
    m_done += count;
    showCounts();
}

void AUK_40008::setFinishedButtons()
{
    setRightButtonTextById(ClosePopupKeyId);
}

// At least four digits: a larger count shows whole.
void AUK_40008::showCounts()
{
    m_pendingCount->setText(fourDigits(m_pending));
    m_taskCount->setText(fourDigits(m_done));
}
