#include "SyncSession.h"

#include "Controller.h"
#include "StatusPages.h"
#include "SyncPage.h"

namespace {

constexpr quint8 AllPanels = 255;
constexpr int ReSyncRequest = 14;

const char *const StepNames[] = {"idle", "connection", "engine-configuration", "signatures", "pages", "complete"};

quint16 pageKey(quint8 panel, quint8 page)
{
    return quint16(panel << 8 | page);
}

QByteArray engineConfiguration(const Site &site)
{
    return LkSpeakCodec::writePayload(*LkSpeakCodec::kindNamed(QStringLiteral("engine-configuration")),
                                      {{"firstLanguage", 1},
                                       {"languageUsage", 0x81},
                                       {"dateFormat", 2},
                                       {"firstFlags", site.engineFlags},
                                       {"panel", site.panelNode},
                                       {"resetCode1", site.resetEventCode},
                                       {"firstCodepage", site.texts.firstCodePage},
                                       {"secondCodepage", site.texts.secondCodePage},
                                       {"inputChannel", 5},
                                       {"rbusAddress", 15},
                                       {"version", site.headerLayout == 1 ? 600 : 500}});
}

} // namespace

SyncSession::SyncSession(Controller &controller, QObject *parent)
    : QObject(parent)
    , m_controller(controller)
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(StepTimeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, [this] { fail(QStringLiteral("no answer")); });
    connect(&m_controller, &Controller::received, this, &SyncSession::onReceived);
    connect(&m_controller, &Controller::acknowledged, this, &SyncSession::onAcknowledged);
}

void SyncSession::start()
{
    m_configurationAnswer.reset();
    m_reSyncRequested = false;
    m_answers.clear();
    m_pagesToSend.clear();
    m_pagesSent = 0;
    m_pagesAwaited = 0;
    m_totalClock.start();
    m_totalBytesFrom = m_controller.bytesSent();
    enter(Connecting);
    m_controller.sendConnectionRequest();
}

void SyncSession::enter(Step step)
{
    if (m_step != Idle)
        reportTiming(StepNames[m_step], m_step == Updating ? m_pagesSent : 0, m_stepBytesFrom, m_stepClock);
    m_step = step;
    m_stepClock.start();
    m_stepBytesFrom = m_controller.bytesSent();
    if (step == Idle)
        m_timeout.stop();
    else
        m_timeout.start();
}

void SyncSession::fail(const QString &reason)
{
    emit reported(QStringLiteral("sync failed step=%1 %2").arg(QLatin1String(StepNames[m_step]), reason));
    enter(Idle);
    emit finished(false);
}

void SyncSession::onReceived(const QString &kind, const QVariantMap &fields, const LkMessage &)
{
    if (m_step == Connecting && kind == QLatin1String("connection-response")) {
        enter(Configuring);
        m_controller.sendRequest(SyncPage::SupportFunction, engineConfiguration(m_controller.site()), true,
                                 QStringLiteral("engine-configuration"));
    } else if (m_step == Configuring && kind == QLatin1String("eventlog-ack")
               && fields.value(QStringLiteral("type")).toInt() == ReSyncRequest) {
        m_reSyncRequested = true;
        emit reported(QStringLiteral("sync eventlog-resync requested"));
        configured();
    } else if (m_step == ComparingSignatures && kind == QLatin1String("signature-transfer-reply")) {
        const std::optional<SignatureList> held = parseSignatureGroups(
            fields.value(QStringLiteral("panels")).toInt(), fields.value(QStringLiteral("trailing")).toByteArray());
        if (!held) {
            fail(QStringLiteral("signature groups do not parse"));
            return;
        }
        sendDifferingPages(*held);
    }
}

void SyncSession::onAcknowledged(const QString &label, int answer)
{
    if (m_step == Configuring && label == QLatin1String("engine-configuration")) {
        m_configurationAnswer = answer;
        emit reported(QStringLiteral("sync engine-configuration status=%1").arg(answer));
        configured();
    } else if (m_step == Updating && label.startsWith(QLatin1String("page="))) {
        ++m_answers[answer];
        --m_pagesAwaited;
        sendNextPages();
        if (m_pagesAwaited == 0)
            complete();
    } else if (m_step == Completing && label == QLatin1String("sync-complete")) {
        enter(Idle);
        reportTiming("total", m_pagesSent, m_totalBytesFrom, m_totalClock);
        emit reported(QStringLiteral("sync done status=%1").arg(answer));
        emit finished(answer == 0);
    }
}

// The engine answers the configuration and asks for the event log again;
// the signatures are asked for once both arrived.
void SyncSession::configured()
{
    if (!m_configurationAnswer || !m_reSyncRequested)
        return;
    enter(ComparingSignatures);
    QByteArray request = LkSpeakCodec::writePayload(
        *LkSpeakCodec::kindNamed(QStringLiteral("signature-transfer-request")), {{"panel", AllPanels}});
    m_controller.sendRequest(SyncPage::SupportFunction, request, false, QString());
}

void SyncSession::sendDifferingPages(const SignatureList &held)
{
    const Site &site = m_controller.site();
    const QVector<QByteArray> pages = m_controller.sitePages() + StatusPages::payloads(site.status);
    QVector<QByteArray> differing;
    for (const QByteArray &payload : pages) {
        const std::optional<SyncPage::Identity> page = SyncPage::identify(payload);
        if (!page)
            continue;
        const QVector<quint32> stored = held.value(pageKey(page->panel, page->page));
        if (page->part >= stored.size() || stored.at(page->part) != page->signature)
            differing.append(payload);
    }
    int partsHeld = 0;
    for (const QVector<quint32> &signatures : held)
        partsHeld += signatures.size();
    emit reported(QStringLiteral("sync signatures held=%1 sending=%2 of %3")
                      .arg(partsHeld)
                      .arg(differing.size())
                      .arg(pages.size()));
    if (differing.isEmpty()) {
        complete();
        return;
    }
    enter(Updating);
    m_pagesToSend = differing;
    sendNextPages();
}

// The next pages go out as acknowledgements come back, so that no more
// than a window of them is ever awaited.
void SyncSession::sendNextPages()
{
    while (m_pagesAwaited < PagesInFlight && m_pagesSent < m_pagesToSend.size()) {
        ++m_pagesAwaited;
        m_controller.sendPage(m_pagesToSend.at(m_pagesSent++));
    }
}

void SyncSession::reportTiming(const char *phase, int pages, qint64 bytesFrom, const QElapsedTimer &clock)
{
    emit reported(QStringLiteral("sync timing phase=%1 pages=%2 bytes=%3 seconds=%4")
                      .arg(QLatin1String(phase))
                      .arg(pages)
                      .arg(m_controller.bytesSent() - bytesFrom)
                      .arg(double(clock.nsecsElapsed()) / 1e9, 0, 'f', 4));
}

void SyncSession::complete()
{
    if (!m_answers.isEmpty()) {
        QStringList answers;
        for (auto it = m_answers.cbegin(); it != m_answers.cend(); ++it)
            answers << QStringLiteral("status%1=%2").arg(it.key()).arg(it.value());
        answers.sort();
        emit reported(QStringLiteral("sync pages-acknowledged %1").arg(answers.join(QLatin1Char(' '))));
    }
    enter(Completing);
    const QByteArray key = m_controller.site().connectionKey;
    m_controller.sendRequest(SyncPage::SupportFunction,
                             LkSpeakCodec::writePayload(*LkSpeakCodec::kindNamed(QStringLiteral("sync-complete")),
                                                        {{"keyLength", key.size()}, {"key", key}}),
                             true, QStringLiteral("sync-complete"));
}

std::optional<SyncSession::SignatureList> SyncSession::parseSignatureGroups(int panels, const QByteArray &groups)
{
    SignatureList held;
    int at = 0;
    const auto byte = [&](int &value) {
        if (at >= groups.size())
            return false;
        value = quint8(groups.at(at++));
        return true;
    };
    for (int p = 0; p < panels; ++p) {
        int panel = 0;
        int pages = 0;
        if (!byte(panel) || !byte(pages))
            return std::nullopt;
        for (int g = 0; g < pages; ++g) {
            int page = 0;
            int count = 0;
            if (!byte(page) || !byte(count) || groups.size() - at < count * 4)
                return std::nullopt;
            QVector<quint32> &signatures = held[pageKey(quint8(panel), quint8(page))];
            for (int i = 0; i < count; ++i, at += 4)
                signatures.append(quint32(quint8(groups.at(at))) << 24 | quint32(quint8(groups.at(at + 1))) << 16
                                  | quint32(quint8(groups.at(at + 2))) << 8 | quint8(groups.at(at + 3)));
        }
    }
    if (at != groups.size())
        return std::nullopt;
    return held;
}
