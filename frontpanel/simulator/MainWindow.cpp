#include "frontpanel/simulator/MainWindow.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDebug>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include <array>

namespace {

constexpr int windowWidth = 1040;
constexpr int windowHeight = 672;
constexpr int ledSize = 17;
constexpr int zoneLedCount = 16;

const char transparentButtons[] =
    "#centralwidget \n      QPushButton\n      { \n\tbackground-color: rgba(255, 255, 255, "
    "0); \n      }\n   ";

struct KeyButton
{
    const char *objectName;
    QRect rect;
    const char *key;
};

// The thirteen drawn keys and the name each sends.
const KeyButton keyButtons[] = {
    {"homeButton", {30, 520, 101, 101}, "HOME"},
    {"backButton", {130, 520, 101, 101}, "BACK"},
    {"helpButton", {240, 520, 101, 101}, "HELP"},
    {"silencePanelButton", {420, 517, 111, 101}, "SILENCE_PANEL"},
    {"scandinavianButton", {690, 530, 131, 101}, "SCANDINAVIAN"},
    {"silencePanelSoundersButton", {830, 510, 61, 61}, "SILENCE_PANEL_SOUNDERS"},
    {"resetButton", {830, 580, 61, 51}, "RESET"},
    {"generalButton", {690, 0, 201, 111}, "GENERAL"},
    {"panelButton", {690, 110, 201, 101}, "PANEL"},
    {"soundersButton", {690, 214, 201, 51}, "SOUNDERS"},
    {"signallingButton", {690, 266, 201, 51}, "SIGNALLING"},
    {"protectionButton", {690, 315, 201, 51}, "PROTECTION"},
    {"zonesButton", {690, 368, 201, 111}, "ZONES"},
};

// The LED pictures, as style sheets of their labels.
using LedColour = const char *;
const char Red[] = "image: url(:/new/prefix1/led_red.png);";
const char Yellow[] = "image: url(:/new/prefix1/led_yellow.png);";
const char Green[] = "image: url(:/new/prefix1/led_green.png);";

struct Led
{
    const char *objectName;
    QPoint position;
    LedColour colour;
    int tablePosition; // in the LED string; -1 for the power-on LED
};

// In the LED string's order; the power-on LED has no position and stays lit,
// and position 16 lights both Scandinavian LEDs.
const Led panelLeds[] = {
    {"ledGeneralFire", {863, 23}, Red, 0},
    {"ledGeneralFault", {863, 44}, Yellow, 1},
    {"ledGeneralDisabled", {863, 66}, Yellow, 2},
    {"ledGeneralTest", {863, 88}, Yellow, 3},
    {"ledPanelPowerOn", {863, 130}, Green, -1},
    {"ledPanelMainsFault", {863, 150}, Yellow, 4},
    {"ledPanelSystemFault", {863, 171}, Yellow, 5},
    {"ledPanelDayMode", {863, 192}, Yellow, 6},
    {"ledSoundersActivated", {765, 242}, Red, 7},
    {"ledSoundersFault", {812, 242}, Yellow, 8},
    {"ledSoundersDisabled", {863, 242}, Yellow, 9},
    {"ledSignallingActivated", {765, 292}, Red, 10},
    {"ledSignallingFault", {812, 292}, Yellow, 11},
    {"ledSignallingDisabled", {863, 292}, Yellow, 12},
    {"ledProtectionActivated", {765, 342}, Red, 13},
    {"ledProtectionFault", {812, 342}, Yellow, 14},
    {"ledProtectionDisabled", {863, 342}, Yellow, 15},
    {"ledScandinavian1", {738, 533}, Red, 16},
    {"ledScandinavian2", {762, 533}, Red, 16},
};
constexpr int ledTablePositions = 17;

const std::array<int, 4> zoneColumns = {717, 765, 812, 863};
const std::array<int, 4> zoneRows = {394, 416, 435, 455};

QLabel *makeLabel(QWidget *parent, const char *objectName, const QRect &rect)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setGeometry(rect);
    return label;
}

QLabel *makePicture(QWidget *parent, const char *objectName, const QRect &rect, const char *picture)
{
    QLabel *label = makeLabel(parent, objectName, rect);
    label->setPixmap(QPixmap(QLatin1String(picture)));
    label->setScaledContents(true);
    return label;
}

QLabel *makeLed(QWidget *parent, const char *objectName, const QPoint &position, LedColour colour)
{
    QLabel *label = makeLabel(parent, objectName, QRect(position, QSize(ledSize, ledSize)));
    label->setStyleSheet(QLatin1String(colour));
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *objectName, const QRect &rect)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setGeometry(rect);
    button->setFlat(true);
    return button;
}

QDBusMessage frontPanelSignal(const char *name)
{
    return QDBusMessage::createSignal(QStringLiteral("/"), QStringLiteral("vemo.frontpanel"), QLatin1String(name));
}

} // namespace

struct MainWindow::Widgets
{
    QLabel *usbIn = nullptr;
    QLabel *usbOut = nullptr;
    QLabel *keyIn = nullptr;
    QLabel *keyOut = nullptr;
    QLabel *buzzer = nullptr;
    // The labels of each LED-string position.
    std::array<QList<QLabel *>, ledTablePositions> leds;
    std::array<QLabel *, zoneLedCount> zoneLeds{};
};

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_softKeyClicked(frontPanelSignal("softKeyClicked"))
    , m_touchscreenPressed(frontPanelSignal("touchscreenPressed"))
    , m_touchscreenReleased(frontPanelSignal("touchscreenReleased"))
    , m_keyswitchUpdate(frontPanelSignal("keyswitchUpdate"))
    , m_usbStickUpdate(frontPanelSignal("usbStickUpdate"))
    , m_widgets(std::make_unique<Widgets>())
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("GUI Simulator"));
    resize(windowWidth, windowHeight);
    setMinimumSize(windowWidth, windowHeight);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralwidget"));
    central->setFixedSize(windowWidth, windowHeight);
    // On the central widget rather than the window, so the panel front that
    // start-up puts on the window does not make the buttons opaque again.
    central->setStyleSheet(QLatin1String(transparentButtons));
    setCentralWidget(central);

    // Created bottom to top, so each transparent button lies over its
    // picture and the empty socket covers the plugged-in one.
    Widgets &w = *m_widgets;
    w.usbIn = makePicture(central, "USBIn", {935, 452, 81, 64}, ":/new/prefix1/USBPluggedIn.png");
    for (const KeyButton &key : keyButtons) {
        const QString name = QLatin1String(key.key);
        connect(makeButton(central, key.objectName, key.rect), &QPushButton::clicked, this,
                [this, name] { sendSoftKey(name); });
    }
    for (const Led &led : panelLeds) {
        QLabel *label = makeLed(central, led.objectName, led.position, led.colour);
        if (led.tablePosition >= 0)
            w.leds[size_t(led.tablePosition)] << label;
    }
    w.keyOut = makePicture(central, "keyOut", {946, 570, 64, 64}, ":/new/prefix1/nokey.png");
    w.keyIn = makePicture(central, "keyIn", {946, 570, 64, 64}, ":/new/prefix1/key.png");
    connect(makeButton(central, "physicalKeyButton", {920, 549, 101, 101}), &QPushButton::clicked, this,
            &MainWindow::onPhysicalKeyClicked);
    for (int i = 0; i < zoneLedCount; ++i) {
        const QByteArray name = QStringLiteral("ledZonal_%1").arg(i + 1, 2, 10, QLatin1Char('0')).toLatin1();
        w.zoneLeds[size_t(i)] =
            makeLed(central, name.constData(), {zoneColumns[size_t(i / 4)], zoneRows[size_t(i % 4)]}, Red);
    }
    w.usbOut = makePicture(central, "USBOut", {935, 452, 81, 64}, ":/new/prefix1/USBEmpty.png");
    connect(makeButton(central, "physicalUSBButton", {920, 429, 101, 111}), &QPushButton::clicked, this,
            &MainWindow::onUSBButtonClicked);
    w.buzzer = makeLed(central, "ledBuzzer", {501, 520}, Yellow);

    setLeds(QVector<bool>(ledTablePositions, false).toList());
    w.buzzer->hide();
    setZonalLeds(QBitArray(zoneLedCount));
    ShowKeyImage(false);
    ShowUSBImage(false);

    auto *menu = new QMenuBar(this);
    menu->setObjectName(QStringLiteral("menubar"));
    setMenuBar(menu);
    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("statusbar"));
    status->setSizeGripEnabled(false);
    setStatusBar(status);

    setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

MainWindow::~MainWindow() = default;

void MainWindow::send(QDBusMessage message, const QVariantList &arguments)
{
    message.setArguments(arguments);
    QDBusConnection::sessionBus().send(message);
}

void MainWindow::sendSoftKey(const QString &key)
{
    qDebug() << key;
    send(m_softKeyClicked, {key});
}

void MainWindow::sendPhysicalKeyStatus()
{
    send(m_keyswitchUpdate, {m_keyInserted});
}

void MainWindow::onPhysicalKeyClicked()
{
    qDebug() << "PhysicalKey";
    m_keyInserted = !m_keyInserted;
    sendPhysicalKeyStatus();
    ShowKeyImage(m_keyInserted);
}

void MainWindow::onUSBButtonClicked()
{
    qDebug() << "USBButton";
    m_usbInserted = !m_usbInserted;
    send(m_usbStickUpdate, {m_usbInserted});
    ShowUSBImage(m_usbInserted);
}

void MainWindow::ShowKeyImage(bool in)
{
    m_widgets->keyIn->setVisible(in);
    m_widgets->keyOut->setVisible(!in);
}

void MainWindow::ShowUSBImage(bool in)
{
    m_widgets->usbIn->setVisible(in);
    m_widgets->usbOut->setVisible(!in);
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    QMainWindow::mousePressEvent(event);
    send(m_touchscreenPressed);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    QMainWindow::mouseReleaseEvent(event);
    send(m_touchscreenReleased);
}

void MainWindow::setLeds(const QList<bool> &leds)
{
    const int count = std::min(int(leds.size()), ledTablePositions);
    for (int position = 0; position < count; ++position) {
        for (QLabel *label : qAsConst(m_widgets->leds[size_t(position)]))
            label->setVisible(leds.at(position));
    }
}

void MainWindow::setZonalLeds(const QBitArray &leds)
{
    const int count = std::min(int(leds.size()), zoneLedCount);
    for (int i = 0; i < count; ++i)
        m_widgets->zoneLeds[size_t(i)]->setVisible(leds.testBit(i));
}

void MainWindow::setExternalZonalLeds(const QBitArray &leds)
{
    Q_UNUSED(leds)
}

void MainWindow::setBuzzer(bool on)
{
    if (on)
        QApplication::beep();
    m_widgets->buzzer->setVisible(on);
}

void MainWindow::setMyStyleSheet(const QString &styleSheet)
{
    if (!styleSheet.isEmpty())
        setStyleSheet(styleSheet);
}
