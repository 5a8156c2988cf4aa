#include "widgets/AUK_90001A.h"

#include "core/SC_Timer.h"
#include "core/TeskGlobalConfig.h"
#include "paneldata/DateTime.h"
#include "widgets/CountdownText.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>

namespace {

constexpr int kSlowFlashMs = 500;
constexpr int kFastFlashMs = 250;
constexpr int kStatusIconSize = 26;

const char *const kStatusIconNames[PageHeaderFeed::StatusIconCount] = {
    "_Login",        "_service",  "_commis", "_evacuate_status", "_walk",
    "_servicereset", "_deactive", "_busy",   "_incompatible",
};

bool isStatusIcon(int icon)
{
    return icon >= 0 && icon < PageHeaderFeed::StatusIconCount;
}

} // namespace

AUK_90001A::AUK_90001A(QWidget *parent)
    : AUK_90001(parent)
    , m_slowTimer(SC_Timer::create(this))
    , m_fastTimer(SC_Timer::create(this))
{
    const InvestigateDelayTimer *delay = InvestigateDelayTimer::instance();
    connect(delay, &InvestigateDelayTimer::investigateDelayTimeTick, this, &AUK_90001A::invDelayTimerTick);
    connect(delay, &InvestigateDelayTimer::investigateDelayStart, this, &AUK_90001A::invDelayStartedTimer);
    connect(delay, &InvestigateDelayTimer::investigateDelayFinished, this, &AUK_90001A::invDelayFinishedTimer);

    const DateTime *clock = DateTime::instance();
    connect(clock, &DateTime::UI_UpdateTime, this, &AUK_90001A::updateFooterTime, Qt::DirectConnection);
    connect(clock, &DateTime::UI_UpdateDate, this, &AUK_90001A::updateFooterDate, Qt::DirectConnection);

    const PageHeaderFeed *feed = PageHeaderFeed::instance();
    connect(feed, &PageHeaderFeed::statusIconChanged, this, &AUK_90001A::updateStatusIcons);
    connect(feed, &PageHeaderFeed::statusIconSlowFlashChanged, this, &AUK_90001A::updateStatusSlowFlashIcons);
    connect(feed, &PageHeaderFeed::statusIconFastFlashChanged, this, &AUK_90001A::updateStatusFastFlashIcons);
    connect(feed, &PageHeaderFeed::footerIconChanged, this, &AUK_90001A::setFooterIcon);
    connect(feed, &PageHeaderFeed::statusIconsUpdated, this, &AUK_90001A::postConstruction);
    connect(feed, &PageHeaderFeed::stateChanged, this, &AUK_90001A::updatePageStatus);

    const QDateTime now = DateTime::panelDateTime();
    updateFooterTime(now.toString(TeskGlobalConfig::instance()->getTimeFormat()));
    updateFooterDate(DateTime::formatDate(now));

    connect(feed, &PageHeaderFeed::touchscreenPressed, this, &AUK_90001A::screenPressed);
    connect(feed, &PageHeaderFeed::touchscreenReleased, this, &AUK_90001A::screenReleased);
    connect(feed, &PageHeaderFeed::usbStatusChange, this, &AUK_90001A::usbStatusChange);
    usbStatusChange(feed->isStickPresent());

    // Runs again from the event loop, once the derived screen is built.
    connect(this, &AUK_90001A::initComplete, this, &AUK_90001A::postConstruction, Qt::QueuedConnection);

    connect(m_slowTimer, &SC_Timer::timeout, this, &AUK_90001A::_1HzTimerHandler);
    connect(m_fastTimer, &SC_Timer::timeout, this, &AUK_90001A::_2HzTimerHandler);
    m_slowTimer->start(kSlowFlashMs);
    m_fastTimer->start(kFastFlashMs);
    updatePageStatus();

    emit initComplete();
}

AUK_90001A::~AUK_90001A()
{
    m_slowTimer->stop();
    m_fastTimer->stop();
    destroyStatusIcons();
}

void AUK_90001A::setFixedFlavour(int mode, Flavour flavour)
{
    if (mode == m_fixedFlavourMode)
        return;
    m_fixedFlavourMode = mode;
    setFlavour(flavour);
    setFooterUserText(PageHeaderFeed::instance()->source()->userLevel());
}

void AUK_90001A::postConstruction()
{
    updatePageStatus();
}

void AUK_90001A::updatePageStatus()
{
    const PageHeaderFeed::Source *source = PageHeaderFeed::instance()->source();
    if (m_fixedFlavourMode != 1) {
        setFlavour(decideFlavour());
        setFooterUserText(source->userLevel());
    }
    destroyStatusIcons();
    rebuildStatusIcons();
    setExtinguishRelease(source->isFooterIconOn(0));
    setExtinguishFault(source->isFooterIconOn(1));
}

AUK_90001::Flavour AUK_90001A::decideFlavour() const
{
    const PageHeaderFeed::Source *source = PageHeaderFeed::instance()->source();
    const int banner = source->bannerStatus();
    int value = 1;
    if (source->isEthernetOrRbusConnected()) {
        value = banner;
        // Activity only warns: it never turns a fire's RED into YELLOW.
        if (value == 0 && m_yellowOnPanelActivity && source->hasSystemPanelActivity())
            value = 1;
    } else if (source->isE30Connected() && banner == 2) {
        value = 2;
    }
    return value == 0 ? BLUE : value == 2 ? RED : YELLOW;
}

void AUK_90001A::invDelayStartedTimer()
{
    showInvDelayTime(true);
}

void AUK_90001A::invDelayFinishedTimer()
{
    showInvDelayTime(false);
}

void AUK_90001A::invDelayTimerTick(int mins, int secs, eDlyContext)
{
    if (mins == 0 && secs == 0) {
        showInvDelayTime(false);
        setInvDelayTime(QString());
        return;
    }
    showInvDelayTime(true);
    setInvDelayTime(countdownText(mins, secs));
}

void AUK_90001A::updateStatusIcons(int icon, bool state)
{
    addStatusIcon(icon, state);
}

void AUK_90001A::updateStatusSlowFlashIcons(int icon, bool state)
{
    addStatusIcon(icon, state);
}

void AUK_90001A::updateStatusFastFlashIcons(int icon, bool state)
{
    addStatusIcon(icon, state);
}

void AUK_90001A::addStatusIcon(int icon, bool state)
{
    QLabel *label = isStatusIcon(icon) ? m_statusIconLabels[icon] : nullptr;
    if (!state && label)
        label->hide();
    updatePageStatus();
    label = isStatusIcon(icon) ? m_statusIconLabels[icon] : nullptr;
    if (state && label)
        label->show();
}

void AUK_90001A::setFooterIcon(int icon, bool state)
{
    if (icon == 0)
        setExtinguishRelease(state);
    else if (icon == 1)
        setExtinguishFault(state);
}

void AUK_90001A::_1HzTimerHandler()
{
    blinkStatusIcons(m_slowPhase, PageHeaderFeed::SlowFlash);
    m_slowPhase = !m_slowPhase;
}

void AUK_90001A::_2HzTimerHandler()
{
    blinkStatusIcons(m_fastPhase, PageHeaderFeed::FastFlash);
    m_fastPhase = !m_fastPhase;
}

void AUK_90001A::destroyStatusIcons()
{
    for (int i = 0; i < PageHeaderFeed::StatusIconCount; ++i) {
        if (m_statusIconEffects[i] && m_statusIconLabels[i])
            m_statusIconLabels[i]->setGraphicsEffect(nullptr); // deletes the effect
        m_statusIconEffects[i] = nullptr;
        delete m_statusIconLabels[i];
        m_statusIconLabels[i] = nullptr;
    }
}

void AUK_90001A::rebuildStatusIcons()
{
    const PageHeaderFeed::Source *source = PageHeaderFeed::instance()->source();
    const QString colour = flavour() == YELLOW ? QStringLiteral("_grey") : QStringLiteral("_white");
    clearStatusIconWidgets();
    for (int i = 0; i < PageHeaderFeed::StatusIconCount; ++i) {
        const bool active = source->isStatusIconOn(i);
        if (active && !m_statusIconLabels[i]) {
            auto *label = new QLabel;
            label->setAttribute(Qt::WA_DeleteOnClose, false);
            label->setGeometry(0, 0, kStatusIconSize, kStatusIconSize);
            // No file suffix: the image reader finds the file by its format.
            label->setPixmap(QPixmap(QStringLiteral("../resources/icons/status/Icons")
                                     + QLatin1String(kStatusIconNames[i]) + QStringLiteral("_smll") + colour));
            m_statusIconLabels[i] = label;
        }
        QLabel *label = m_statusIconLabels[i];
        if (label && source->statusIconFlashMode(i) != PageHeaderFeed::Steady && !m_statusIconEffects[i]) {
            auto *effect = new QGraphicsOpacityEffect;
            // A new flashing icon starts lit, not at the effect's own 0.7.
            effect->setOpacity(1.0);
            label->setGraphicsEffect(effect);
            m_statusIconEffects[i] = effect;
        } else if (m_statusIconEffects[i]) {
            m_statusIconEffects[i]->setOpacity(1.0);
        }
        if (label && active) {
            addStatusIconWidget(label);
            label->show();
        }
    }
}

void AUK_90001A::blinkStatusIcons(bool phase, PageHeaderFeed::FlashMode mode)
{
    const PageHeaderFeed::Source *source = PageHeaderFeed::instance()->source();
    for (int i = 0; i < PageHeaderFeed::StatusIconCount; ++i) {
        if (m_statusIconLabels[i] && m_statusIconEffects[i] && source->isStatusIconOn(i)
            && source->statusIconFlashMode(i) == mode)
            m_statusIconEffects[i]->setOpacity(phase ? 1.0 : 0.1);
    }
}
