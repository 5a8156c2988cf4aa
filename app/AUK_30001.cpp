#include "app/AUK_30001.h"

#include "app/SystemState.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>

namespace {

constexpr char imageDirectory[] = "../resources/images/";
constexpr char sitePicture[] = "sleep.png";
constexpr char saltmarshPicture[] = "AUK_80300_sleep_saltmarsh.png";
constexpr char vornishPicture[] = "AUK_80089_sleep_vornish.png";
constexpr int SaltmarshBrand = 1;

QString existing(const char *name)
{
    const QString path = QLatin1String(imageDirectory) + QLatin1String(name);
    return QFileInfo::exists(path) ? path : QString();
}

} // namespace

AUK_30001::AUK_30001(QWidget *parent)
    : Page(parent)
    , m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("AUK_30001"));
    setFixedSize(640, 480);
    // The idle view is what everybody may see.
    setRequiredAccessLevel(TESKEnumHolder::EN54_NOT_LOGGED_IN);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setGeometry(0, 0, 640, 480);
    loadPicture();
}

bool AUK_30001::event(QEvent *event)
{
    if (event->type() == QEvent::ZOrderChange)
        loadPicture();
    return Page::event(event);
}

void AUK_30001::loadPicture()
{
    QString path = existing(sitePicture);
    if (path.isEmpty()) {
        const SystemState *state = SystemState::existingInstance();
        const bool saltmarsh = state && state->brand() == SaltmarshBrand;
        path = existing(saltmarsh ? saltmarshPicture : vornishPicture);
    }
    m_picturePath = path;
    if (path.isEmpty())
        m_label->clear();
    else
        m_label->setPixmap(QPixmap(path));
}
