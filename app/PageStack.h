#pragma once

#include "core/SC_Singleton.h"
#include "core/TESKEnumHolder.h"

#include <QString>
#include <QVector>
#include <QWidget>

#include <functional>

class Page;

// The panel's 640 x 480 screen area, on which every screen and popup of the
// engine is stacked; the top page is the one shown. The first page pushed
// (the start screen) is the base and is never removed. Pages are known by
// their class name. A page leaving the stack is hidden, cut off from its
// connections and deleted by the event loop, so a page may remove itself
// from inside its own slot.
class PageStack final
    : public QWidget
    , public SC_Singleton<PageStack>
{
    Q_OBJECT

public:
    // Builds the home screen for an access level and user level, and the
    // fire screen for an access level and the E30 connection; the status
    // screens install them. Until then no home or fire screen is pushed.
    using HomeScreenFactory = std::function<Page *(int accessLevel, int userLevel)>;
    using FireScreenFactory = std::function<Page *(int accessLevel, bool e30Connected)>;

    bool push(Page *page);

    bool isTopPage(const QString &className) const;
    bool isTop(const QWidget *widget) const;
    bool containsPage(const QString &className) const;
    bool isMainScreenOnTop(bool ignorePopup) const;
    int count() const { return m_pages.size(); }
    // Bottom first.
    QStringList pageNames() const;

    Page *createMainScreen(int accessLevel, int userLevel) const;
    static QString mainScreenName();
    void setHomeScreenFactory(HomeScreenFactory factory);
    void setFireScreenFactory(FireScreenFactory factory);

    static QString pageName(const QWidget *page);

public slots:
    bool pop(int minCount);
    bool pop();
    bool remove(Page *widget);
    void clear();
    void popNonMatching(TESKEnumHolder::AccessLevelTESK accessLevel);
    void popNonMatching(const QString &screenName);
    void permissionChanged(TESKEnumHolder::AccessLevelTESK accessLevel);
    void showMainScreen(bool isPanelRestart);
    void showMainScreen();

signals:
    void alreadyLoggedInAtStartupMode();
    void loginAtStartupMode();
    void panelRestarted();

private:
    friend class SC_Singleton<PageStack>;

    PageStack();

    Page *top() const;
    void removeAt(int index);
    void removeTop();
    void reportTop() const;
    void raiseTop();
    void pushFireScreenDuringFire();
    // Every page above the base that needs more than the level.
    void removeAbove(int accessLevel);

    QVector<Page *> m_pages;
    const bool m_protectBasePage = true;
    int m_lastAccessLevel = TESKEnumHolder::EN54_NOT_LOGGED_IN;
    HomeScreenFactory m_homeScreenFactory;
    FireScreenFactory m_fireScreenFactory;
};
