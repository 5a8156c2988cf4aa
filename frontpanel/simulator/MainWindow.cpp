#include "frontpanel/simulator/MainWindow.h"

#include <QMenuBar>
#include <QStatusBar>

namespace {

constexpr int windowWidth = 1040;
constexpr int windowHeight = 672;

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("GUI Simulator"));
    resize(windowWidth, windowHeight);
    setMinimumSize(windowWidth, windowHeight);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralwidget"));
    central->setFixedSize(windowWidth, windowHeight);
    setCentralWidget(central);

    auto *menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("menubar"));
    setMenuBar(menu);
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("statusbar"));
    status->setSizeGripEnabled(false);
    setStatusBar(status);

    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void MainWindow::setMyStyleSheet(const QString &styleSheet)
{
    if (!styleSheet.isEmpty())
        setStyleSheet(styleSheet);
}
