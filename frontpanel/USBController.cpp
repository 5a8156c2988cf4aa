#include "frontpanel/USBController.h"

#include "core/DOMXMLParser.h"
#include "core/SC_Timer.h"
#include "core/TESKEnumHolder.h"
#include "frontpanel/PanelEnvironment.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMap>

namespace {

const char serviceConfigurationFile[] = "teskserviceconfig.xml";
const char serviceSchemaFile[] = "teskserviceschema.xsd";
const char kernelImage[] = "uImage";
const char filesystemImage[] = "ubifs.img";

// The service message popup's kinds.
constexpr int userAlreadyLoggedIn = 0;
constexpr int stickPulledOut = 3;
constexpr int imagesNotFound = 4;

// User levels from this one up may update the engine.
constexpr int engineerUserLevel = 11;

QString onStick(const char *name)
{
    return QStringLiteral("%1%2%3").arg(QDir::cleanPath(USBController::usbPath()), QDir::separator(),
                                        QLatin1String(name));
}

bool isLoggedOn(int accessLevel)
{
    return accessLevel >= TESKEnumHolder::EN54_LOGGED_IN;
}

} // namespace

QString USBController::usbPath()
{
    return QStringLiteral("../USB");
}

void USBController::usbStickUpdateSlot(bool present)
{
    if (present)
        stickInserted();
    else
        stickRemoved();
    emit usbStatusChange(present);
}

void USBController::skipCalibration(bool skip)
{
    m_skipCalibration = skip;
}

void USBController::stickInserted()
{
    m_stickPresent = true;
    if (m_environment && m_environment->isE30Connected()) {
        // On E30 the front end is only a repeater: no service from a stick.
        m_calibrationRequested = false;
        m_configurationFilePresent = false;
        m_updateDirectoryPresent = false;
        return;
    }
    readServiceConfiguration();
    const QDir stick(usbPath());
    m_updateDirectoryPresent =
        !stick.entryList({QStringLiteral("$*")}, QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot).isEmpty();
    m_firmwareImagesPresent = QFile::exists(onStick(kernelImage)) && QFile::exists(onStick(filesystemImage));

    if (!m_environment || m_environment->isFireActive())
        return;
    if (!m_configurationFilePresent && !m_updateDirectoryPresent)
        return;
    if (isLoggedOn(m_environment->accessLevel()) && m_environment->userLevel() < engineerUserLevel) {
        showPage("AUK_40031", userAlreadyLoggedIn);
        return;
    }
    if (m_environment->topPageName() == QLatin1String("AUK_30001"))
        emit quitQuiescentState();
    // After the screen change that leaving the idle view brings.
    if (!m_confirmTimer) {
        m_confirmTimer = SC_Timer::create(this);
        m_confirmTimer->setSingleShot(true);
        connect(m_confirmTimer, &SC_Timer::timeout, this, &USBController::usbUpdateConfirm);
    }
    m_confirmTimer->start(1);
}

void USBController::readServiceConfiguration()
{
    m_configurationFilePresent = false;
    const QString file = onStick(serviceConfigurationFile);
    if (!QFile::exists(file))
        return;
    DOMXMLParser parser;
    parser.loadFile(file,
                    QCoreApplication::applicationDirPath() + QDir::separator() + QLatin1String(serviceSchemaFile));
    QMap<QString, QString> service;
    parser.readElementMap(QStringLiteral("service"), service);
    if (service.value(QStringLiteral("tscal")) == QLatin1String("true"))
        m_calibrationRequested = true;
    m_configurationFilePresent = true;
}

void USBController::usbUpdateConfirm()
{
    if (m_calibrationRequested && !m_skipCalibration) {
        showPage("AUK_40037");
        return;
    }
    if (m_updateDirectoryPresent || m_firmwareImagesPresent) {
        offerService();
        return;
    }
    showPage("AUK_40031", imagesNotFound);
}

void USBController::offerService()
{
    if (!m_environment)
        return;
    const bool engineer = isLoggedOn(m_environment->accessLevel()) && m_environment->userLevel() >= engineerUserLevel;
    if (engineer || m_environment->isDisconnected())
        showPage("AUK_30091");
}

void USBController::stickRemoved()
{
    m_stickPresent = false;
    if (m_environment) {
        const QString top = m_environment->topPageName();
        const bool serviceAction = top == QLatin1String("AUK_40037") || top == QLatin1String("AUK_40030")
                                   || top == QLatin1String("AUK_40031")
                                   || (top == QLatin1String("AUK_40001") && m_environment->isDisconnected());
        if (serviceAction) {
            m_environment->showMainScreen();
            showPage("AUK_40031", stickPulledOut);
        }
    }
    m_calibrationRequested = false;
    m_skipCalibration = false;
    m_configurationFilePresent = false;
    m_updateDirectoryPresent = false;
    m_firmwareImagesPresent = false;
}

void USBController::showPage(const char *page, int kind) const
{
    if (kind < 0)
        qDebug() << "USBController"
                 << "would show" << page;
    else
        qDebug() << "USBController"
                 << "would show" << page << "kind" << kind;
}
