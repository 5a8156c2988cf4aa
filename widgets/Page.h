#pragma once

#include "core/TESKEnumHolder.h"

#include <QWidget>

// Base of every screen and popup. The page stack pops pages whose required
// access level is above the current one, and replaces a popup by a popup and
// an events summary by an events summary.
class Page : public QWidget
{
    Q_OBJECT
    // Read and written only through the two virtual operations, so the
    // property system sees a derived class's override.
    Q_PROPERTY(
        TESKEnumHolder::AccessLevelTESK requiredAccessLevel READ accessLevelProperty WRITE setAccessLevelProperty)

public:
    explicit Page(QWidget *parent = nullptr);

    virtual int requiredAccessLevel() const;
    virtual void setRequiredAccessLevel(int level);
    virtual bool isSummaryPage() const;
    virtual bool isPopup() const;

    static bool isRightToLeft();
    static void setRightToLeft(bool rightToLeft);

private:
    TESKEnumHolder::AccessLevelTESK accessLevelProperty() const;
    void setAccessLevelProperty(TESKEnumHolder::AccessLevelTESK level);

    int m_requiredAccessLevel = TESKEnumHolder::EN54_LOGGED_IN;
    static bool s_rightToLeft;
};
