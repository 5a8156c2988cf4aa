#include "app/PageStack.h"

#include "app/Security.h"
#include "app/SystemState.h"
#include "pointmodels/model.h"
#include "widgets/Page.h"

#include <QDebug>

namespace {

constexpr char startScreenName[] = "AUK_30001";
constexpr char homeScreenName[] = "AUK_30002";
const QPoint popupPosition(0, 36);

} // namespace

PageStack::PageStack()
{
    setMinimumSize(640, 480);
    setMaximumSize(640, 480);
    setGeometry(0, 0, 640, 480);
}

QString PageStack::pageName(const QWidget *page)
{
    return page ? QString::fromLatin1(page->metaObject()->className()) : QString();
}

Page *PageStack::top() const
{
    return m_pages.isEmpty() ? nullptr : m_pages.last();
}

bool PageStack::push(Page *page)
{
    if (!page) {
        qWarning() << "PageStack::push"
                   << " No page to push";
        return false;
    }
    if (Page *current = top()) {
        if (page->isPopup() && current->isPopup())
            pop(1);
        else if (page->isSummaryPage() && current->isSummaryPage())
            pop(1);
    }
    m_pages.append(page);
    page->setParent(this);
    if (page->isPopup())
        page->move(popupPosition);
    page->show();
    page->raise();
    reportTop();
    return true;
}

void PageStack::reportTop() const
{
    // What the user sees, for whoever reads the engine's log.
    if (const Page *page = top())
        qInfo().noquote() << "PageStack: on top" << pageName(page) << "of" << m_pages.size();
}

void PageStack::removeAt(int index)
{
    Page *page = m_pages.takeAt(index);
    page->hide();
    page->disconnect();
    page->deleteLater();
    if (index == m_pages.size())
        reportTop();
}

void PageStack::removeTop()
{
    removeAt(m_pages.size() - 1);
}

void PageStack::raiseTop()
{
    if (Page *page = top())
        page->raise();
}

bool PageStack::pop(int minCount)
{
    const int keep = m_protectBasePage ? qMax(minCount, 1) : minCount;
    if (m_pages.isEmpty() || m_pages.size() <= keep)
        return false;
    removeTop();
    raiseTop();
    return true;
}

bool PageStack::pop()
{
    return pop(1);
}

bool PageStack::remove(Page *widget)
{
    const int index = m_pages.indexOf(widget, 1);
    if (index < 1)
        return false;
    removeAt(index);
    return true;
}

void PageStack::clear()
{
    while (m_pages.size() > 1) {
        removeTop();
        raiseTop();
    }
}

void PageStack::popNonMatching(TESKEnumHolder::AccessLevelTESK accessLevel)
{
    while (m_pages.size() > 1 && top()->requiredAccessLevel() > accessLevel)
        removeTop();
    raiseTop();
}

void PageStack::popNonMatching(const QString &screenName)
{
    while (m_pages.size() > 1 && pageName(top()) != screenName)
        removeTop();
    raiseTop();
}

void PageStack::removeAbove(int accessLevel)
{
    for (int index = m_pages.size() - 1; index >= 1; --index) {
        if (m_pages.at(index)->requiredAccessLevel() > accessLevel)
            removeAt(index);
    }
    raiseTop();
}

void PageStack::permissionChanged(TESKEnumHolder::AccessLevelTESK accessLevel)
{
    int level = accessLevel;
    if (level == TESKEnumHolder::EN54_ACCESS_LEVELS) {
        qWarning() << "Trying to use EN54_ACCESS_LEVELS to change permission";
        level = TESKEnumHolder::EN54_NOT_LOGGED_IN;
    }
    const bool dropped = level < m_lastAccessLevel;
    m_lastAccessLevel = level;

    // While the controller starts up, its log-on popups stay; but no screen
    // of a user who has gone may stay behind.
    if (model::instance()->isMasterPanel()) {
        if (!dropped)
            return;
        removeAbove(level);
        if (m_pages.size() > 1)
            return;
    } else {
        popNonMatching(accessLevel);
        popNonMatching(QString::fromLatin1(startScreenName));
    }

    if (m_pages.size() == 1 && level >= TESKEnumHolder::EN54_NOT_LOGGED_IN && level <= TESKEnumHolder::EN54_ENGINEER) {
        if (Page *home = createMainScreen(level, Security::instance()->userLevel()))
            push(home);
    }
    pushFireScreenDuringFire();
}

void PageStack::pushFireScreenDuringFire()
{
    const SystemState *state = SystemState::existingInstance();
    if (!state || !state->isFireActive() || !m_fireScreenFactory)
        return;
    if (Page *fire = m_fireScreenFactory(Security::instance()->accessLevel(), state->isE30Connected()))
        push(fire);
}

void PageStack::showMainScreen(bool isPanelRestart)
{
    if (m_pages.size() < 2) {
        const Security *security = Security::instance();
        if (Page *home = createMainScreen(security->accessLevel(), security->userLevel()))
            push(home);
    } else {
        popNonMatching(mainScreenName());
    }
    pushFireScreenDuringFire();

    if (isPanelRestart) {
        emit panelRestarted();
    } else if (model::instance()->isMasterPanel()) {
        if (Security::instance()->accessLevel() < TESKEnumHolder::EN54_LOGGED_IN)
            emit loginAtStartupMode();
        else
            emit alreadyLoggedInAtStartupMode();
    }
}

void PageStack::showMainScreen()
{
    showMainScreen(false);
}

bool PageStack::isTopPage(const QString &className) const
{
    return !m_pages.isEmpty() && pageName(top()) == className;
}

bool PageStack::isTop(const QWidget *widget) const
{
    return widget && !m_pages.isEmpty() && top() == widget;
}

bool PageStack::containsPage(const QString &className) const
{
    for (const Page *page : m_pages) {
        if (pageName(page) == className)
            return true;
    }
    return false;
}

bool PageStack::isMainScreenOnTop(bool ignorePopup) const
{
    if (model::instance()->isMasterPanel())
        return true;
    if (m_pages.isEmpty())
        return false;
    const Page *page = top();
    if (ignorePopup && page->isPopup() && m_pages.size() > 1)
        page = m_pages.at(m_pages.size() - 2);
    return pageName(page) == mainScreenName();
}

QStringList PageStack::pageNames() const
{
    QStringList names;
    for (const Page *page : m_pages)
        names << pageName(page);
    return names;
}

Page *PageStack::createMainScreen(int accessLevel, int userLevel) const
{
    return m_homeScreenFactory ? m_homeScreenFactory(accessLevel, userLevel) : nullptr;
}

QString PageStack::mainScreenName()
{
    return QString::fromLatin1(homeScreenName);
}

void PageStack::setHomeScreenFactory(HomeScreenFactory factory)
{
    m_homeScreenFactory = std::move(factory);
}

void PageStack::setFireScreenFactory(FireScreenFactory factory)
{
    m_fireScreenFactory = std::move(factory);
}
