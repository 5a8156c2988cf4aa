#include "listscreens/FilterScreenForm.h"

#include "widgets/AUK_90006.h"

#include <QStackedWidget>
#include <QWidget>

FilterScreenForm FilterScreenForm::build(QWidget *page, const char *pageName, const char *stackedName)
{
    // The frame below names every page after itself; a screen built on the
    // form names itself afterwards.
    page->setObjectName(QString::fromLatin1(pageName));
    page->resize(640, 480);
    page->setWindowTitle(QStringLiteral("Form"));

    FilterScreenForm form{};
    form.filterButtonsContainer = new QWidget(page);
    form.filterButtonsContainer->setObjectName(QStringLiteral("filterButtonsContainer"));
    form.filterButtonsContainer->setGeometry(0, 38, 326, 342);
    form.stackedWidget = new QStackedWidget(page);
    form.stackedWidget->setObjectName(QString::fromLatin1(stackedName));
    form.stackedWidget->setGeometry(328, 38, 314, 346);
    form.lozengeBar = new AUK_90006(page);
    form.lozengeBar->setObjectName(QStringLiteral("lozengeBar"));
    form.lozengeBar->setGeometry(0, 379, 640, 71);
    form.filterLink = new QWidget(page);
    form.filterLink->setObjectName(QStringLiteral("filterLink"));
    form.filterLink->setGeometry(300, 50, 44, 41);
    form.filterLink->setAutoFillBackground(true);

    form.lozengeBar->raise();
    form.filterLink->raise();
    form.filterButtonsContainer->raise();
    form.stackedWidget->raise();
    return form;
}
