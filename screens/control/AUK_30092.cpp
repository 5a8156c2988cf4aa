#include "screens/control/AUK_30092.h"

#include "core/TeskGlobalConfig.h"
#include "frontpanel/DB_TESK_FP_Interface.h"
#include "pointmodels/model.h"
#include "screens/control/HelpImages.h"
#include "widgets/AUK_90011.h"

#include <QCoreApplication>
#include <QDir>
#include <QListView>
#include <QStandardItemModel>

namespace {

constexpr int HelpTitleId = 15;

QString padded(int number, int digits)
{
    return QStringLiteral("%1").arg(number, digits, 10, QLatin1Char('0'));
}

QString captionText(const char *key)
{
    return QCoreApplication::translate("AUK_30080", key);
}

} // namespace

AUK_30092::AUK_30092(quint8 panel, quint8 zone, bool useLogicalZone, const QList<QFileInfo> &images, QWidget *parent)
    : AUK_90001A(parent)
    , m_viewer(new AUK_90011(this))
    , m_panel(panel)
    , m_zone(zone)
    , m_model(new QStandardItemModel(this))
    , m_images(images)
    , m_useLogicalZone(useLogicalZone)
{
    setObjectName(QStringLiteral("AUK_30092"));
    setIconRedFlavour(QPixmap(QStringLiteral("../resources/icons/AUK_80136_help_smll_red.png")));
    setTitleById(HelpTitleId);
    m_viewer->setObjectName(QStringLiteral("imageViewer"));
    m_viewer->setTall(true);
    m_viewer->move(5, 36);
    // Nothing here is typed into: a focused list would frame the empty
    // part of the card beside a narrower image.
    m_viewer->listView()->setFocusPolicy(Qt::NoFocus);

    if (m_images.isEmpty())
        HelpImages::appendHelpImages(QStringLiteral("../resources/zonemaps/panel%1%2zone%3")
                                         .arg(int(panel))
                                         .arg(QDir::separator())
                                         .arg(int(zone)),
                                     m_images);
    // The counter shows the place in the zone's images, not the model's one
    // row.
    m_viewer->setTotalCount(m_images.size());
    m_viewer->setFixedCounter(true);
    loadCurrentImage();
    m_viewer->setModel(m_model, nullptr);
    writeCaption();

    connect(m_viewer, &CardViewIface::nextButtonClicked, this, &AUK_30092::scrollNextImage);
    connect(m_viewer, &CardViewIface::backButtonClicked, this, &AUK_30092::scrollBackImage);
    // The swipe's direction, not the position the content coasts to: a
    // swipe back must show the previous image.
    connect(m_viewer->flicker(), &Flicker::swiped, this, &AUK_30092::imageChanged);
    connect(DB_TESK_FP_Interface::instance(), &DB_TESK_FP_Interface::helpPressed, this, &AUK_30092::helpPressed);
}

void AUK_30092::imageChanged(int direction)
{
    if (direction < 0)
        scrollBackImage();
    else if (direction > 0)
        scrollNextImage();
}

void AUK_30092::scrollNextImage()
{
    if (m_current >= m_images.size() - 1)
        return;
    ++m_current;
    loadCurrentImage();
}

void AUK_30092::scrollBackImage()
{
    if (m_current <= 0)
        return;
    --m_current;
    loadCurrentImage();
}

// This page is the help of the zone in fire: the help key has nothing more
// to show here, and the fires screen does not open a second one.
void AUK_30092::helpPressed()
{
}

// The one row of the model is the current image, scaled down to fit the
// list. A file too large or not an image leaves an empty card at its place.
void AUK_30092::loadCurrentImage()
{
    m_model->clear();
    m_imageName.clear();
    m_viewer->setCurrentIndex(m_current);
    if (m_current < m_images.size()) {
        const QFileInfo &file = m_images.at(m_current);
        // The list's own rectangle, not its viewport's: a view not yet shown
        // has not laid its viewport out.
        const QSize display = m_viewer->listView()->contentsRect().size();
        QPixmap image;
        if (!HelpImages::isTooLarge(file))
            image.load(file.absoluteFilePath());
        if (!image.isNull()) {
            if (image.width() > display.width() || image.height() > display.height())
                image = image.scaled(display, Qt::KeepAspectRatio, Qt::FastTransformation);
            auto *item = new QStandardItem;
            item->setData(image, Qt::DecorationRole);
            item->setSizeHint(display);
            m_model->appendRow(item);
            m_imageName = file.baseName();
        }
    }
    m_viewer->updateCounter();
    writeCaption();
}

void AUK_30092::writeCaption()
{
    m_viewer->setTitle(caption());
}

// No image, no caption: a caption names the image shown.
QString AUK_30092::caption() const
{
    if (m_model->rowCount() == 0)
        return QString();
    const QString zoneText = captionText(QT_TRANSLATE_NOOP("AUK_30080", "_ZONE_9_CHAR"));
    const bool logicalZones = TeskGlobalConfig::instance()->getLogicalZones();
    if (logicalZones && m_useLogicalZone)
        return QStringLiteral("%1 %2 - %3")
            .arg(zoneText, padded(model::instance()->logicalZoneNumber(m_panel, m_zone), 5), m_imageName);
    if (logicalZones || m_panel != 0)
        return QStringLiteral("%1 %2 %3 %4 - %5")
            .arg(captionText(QT_TRANSLATE_NOOP("AUK_30080", "_PANEL_9_CHAR")), padded(m_panel, 2), zoneText,
                 padded(m_zone, 3), m_imageName);
    return QStringLiteral("%1 %2 - %3").arg(zoneText, padded(m_zone, 3), m_imageName);
}
