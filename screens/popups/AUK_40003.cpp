#include "screens/popups/AUK_40003.h"

#include "app/PageStack.h"
#include "app/SystemState.h"
#include "core/SC_Timer.h"
#include "link/SyncClient.h"
#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QFrame>
#include <QLabel>

namespace {

constexpr int CancelPopupKeyId = 3;
constexpr int ClosePopupKeyId = 4;
// GUI modes with the panel link; the repeaters have nobody to tell.
constexpr int LastLinkedGuiMode = 1;

// How long each step lasts: the display's three, the LEDs', the buzzer's,
// and how long the finished test stays up.
constexpr int StepMs[] = {1000, 1000, 1000, 3090, 3000, 10000};

enum Step : int {
    DisplayStarts,
    ScreenWhite,
    ScreenBlack,
    LedsTested,
    BuzzerTested,
    TestFinished,
    TestClosed,
};

QLabel *makeLabel(QWidget *parent, const char *name, const QRect &geometry, Qt::Alignment alignment, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    label->setFont(font);
    return label;
}

void makeLine(QWidget *parent, const char *name, int y)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(135, y, 370, 16);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, PaletteRepository::midGrey());
    line->setPalette(palette);
}

void setTestModes(bool leds, bool buzzer)
{
    // A popup deleted at shut-down may outlive the engine state.
    if (SystemState *state = SystemState::existingInstance()) {
        state->ledFlasher().testmodeLED(leds);
        state->ledFlasher().testmodeBuzzer(buzzer);
    }
}

} // namespace

struct AUK_40003::Form
{
    explicit Form(QWidget *popup)
    {
        const QFont normal = FontRepository::instance()->normal15();
        const Qt::Alignment item = Qt::AlignLeft | Qt::AlignVCenter;
        const Qt::Alignment status = Qt::AlignRight | Qt::AlignVCenter;
        testTitle = makeLabel(popup, "testTitle", QRect(169, 66, 300, 50), Qt::AlignCenter,
                              FontRepository::instance()->bold15());
        makeLine(popup, "line_1", 124);
        testDisplayLabel = makeLabel(popup, "testDisplayLabel", QRect(140, 132, 200, 50), item, normal);
        testDisplayStatus = makeLabel(popup, "testDisplayStatus", QRect(355, 132, 145, 50), status, normal);
        makeLine(popup, "line_2", 174);
        testLEDsLabel = makeLabel(popup, "testLEDsLabel", QRect(140, 182, 200, 50), item, normal);
        testLEDsStatus = makeLabel(popup, "testLEDsStatus", QRect(355, 182, 145, 50), status, normal);
        makeLine(popup, "line_3", 224);
        testBuzzerLabel = makeLabel(popup, "testBuzzerLabel", QRect(140, 232, 200, 50), item, normal);
        testBuzzerStatus = makeLabel(popup, "testBuzzerStatus", QRect(355, 232, 145, 50), status, normal);
        makeLine(popup, "line_4", 274);
    }

    QLabel *testTitle;
    QLabel *testDisplayLabel;
    QLabel *testDisplayStatus;
    QLabel *testLEDsLabel;
    QLabel *testLEDsStatus;
    QLabel *testBuzzerLabel;
    QLabel *testBuzzerStatus;
};

AUK_40003::AUK_40003(QWidget *parent)
    : AUK_20002(parent)
    , m_ui(new Form(this))
    , m_stepTimer(SC_Timer::create(this))
    , m_testScreen(new QWidget)
{
    setObjectName(QStringLiteral("AUK_40003"));
    setTitle(tr("_GUI_TEST_POPUPTITLE"));
    setPopupIcon(QPixmap(QStringLiteral("../resources/icons/AUK_80071_paneltst_smll_white_popup.png")));
    setLeftButtonVisible(false);
    setRightButtonTextById(CancelPopupKeyId);
    m_ui->testTitle->setText(tr("_GUI_TEST_PROGRESS_POPUPSUBTITLE"));
    m_ui->testDisplayLabel->setText(tr("_TESTING_DISPLAY_POPUPITEM"));
    m_ui->testLEDsLabel->setText(tr("_TESTING_LEDS_POPUPITEM"));
    m_ui->testBuzzerLabel->setText(tr("_TESTING_BUZZER_POPUPITEM"));
    for (QLabel *status : {m_ui->testDisplayStatus, m_ui->testLEDsStatus, m_ui->testBuzzerStatus})
        status->setText(tr("_PENDING_POPUPSTATUS"));

    m_testScreen->setObjectName(QStringLiteral("testScreen"));
    m_testScreen->setGeometry(0, 0, 640, 480);
    QPalette palette = m_testScreen->palette();
    palette.setBrush(QPalette::Base, QColor(255, 255, 255));
    palette.setBrush(QPalette::AlternateBase, QColor(0, 0, 0));
    m_testScreen->setPalette(palette);
    m_testScreen->setAutoFillBackground(true);
    m_testScreen->setBackgroundRole(QPalette::Base);

    m_stepTimer->setSingleShot(true);
    connect(m_stepTimer, &SC_Timer::timeout, this, &AUK_40003::goToNextState);
    connect(this, &BasePopup::rightButtonClicked, this, &AUK_40003::closePopup);
}

AUK_40003::~AUK_40003()
{
    endTest();
    delete m_testScreen;
    delete m_ui;
}

void AUK_40003::startTest()
{
    m_step = DisplayStarts;
    goToNextState();
}

void AUK_40003::goToNextState()
{
    switch (m_step) {
    case DisplayStarts:
        m_ui->testDisplayStatus->setText(tr("_IN_PROGRESS_POPUPSTATUS"));
        break;
    case ScreenWhite:
        m_testScreen->setParent(PageStack::instance());
        m_testScreen->move(0, 0);
        m_testScreen->show();
        m_testScreen->raise();
        break;
    case ScreenBlack:
        m_testScreen->setBackgroundRole(QPalette::AlternateBase);
        break;
    case LedsTested:
        m_testScreen->hide();
        m_ui->testDisplayStatus->setText(tr("_COMPLETE_POPUPSTATUS"));
        m_ui->testLEDsStatus->setText(tr("_IN_PROGRESS_POPUPSTATUS"));
        setTestModes(true, false);
        break;
    case BuzzerTested:
        m_ui->testLEDsStatus->setText(tr("_COMPLETE_POPUPSTATUS"));
        m_ui->testBuzzerStatus->setText(tr("_IN_PROGRESS_POPUPSTATUS"));
        setTestModes(false, true);
        break;
    case TestFinished:
        setTestModes(false, false);
        m_ui->testBuzzerStatus->setText(tr("_COMPLETE_POPUPSTATUS"));
        setRightButtonTextById(ClosePopupKeyId);
        break;
    case TestClosed:
        closePopup();
        return;
    default:
        return;
    }
    m_stepTimer->start(StepMs[m_step]);
    ++m_step;
}

// The popup leaves by itself, never by taking the top page: it closes on
// its own while a fire screen may stand over it.
void AUK_40003::closePopup()
{
    endTest();
    if (SystemState::instance()->guiMode() <= LastLinkedGuiMode)
        SyncClient::instance()->selfTest(true);
    PageStack::instance()->remove(this);
}

void AUK_40003::endTest()
{
    m_stepTimer->stop();
    setTestModes(false, false);
}
