#include "listscreens/AUK_10013.h"

#include "listscreens/PanelSelector.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90048.h"
#include "widgets/FontRepository.h"
#include "widgets/Page.h"
#include "widgets/PaletteRepository.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QStackedWidget>
#include <QVBoxLayout>

AUK_10013::AUK_10013(QWidget *parent)
    : AUK_90001B(parent)
    , m_filterModel(nullptr, false)
{
    buildForm();
    m_panelSelector = new PanelSelector(&m_filterModel, nullptr, this);
    m_panelFilterButtonContainer->layout()->addWidget(m_panelSelector->button());
    auto *panelList = static_cast<AUK_90048 *>(m_panelSelector->filterEditor());
    panelList->setShortListview(true);
    m_panelListLayout->insertWidget(0, panelList, 0, Qt::AlignTop);
    connect(m_panelSelector, &FilterSelector::activated, this, &AUK_10013::panelSelectorActivated);
    connect(m_panelSelector, &FilterSelector::valueChanged, this, &AUK_10013::panelChanged);

    QPalette linkPalette = m_filterLink->palette();
    linkPalette.setColor(QPalette::Window, PaletteRepository::darkGrey());
    m_filterLink->setPalette(linkPalette);
    connect(m_taskSelector->listView(), &QAbstractItemView::clicked, this, &AUK_10013::taskSelectorItemClicked);
    m_stackedWidget->setCurrentWidget(m_panelListPage);

    m_taskHeader->setPalette(PaletteRepository::instance()->whiteTextPalette());
    m_taskHeader->setFont(FontRepository::instance()->bold18());
    m_taskHeader->setAlignment((Page::isRightToLeft() ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    m_taskSelector->setFlickerPageOffset(m_taskHeader->height());
    m_infoBox->setFont(FontRepository::instance()->normal15());
    m_infoBox->hide();
    connectLozengeBarScrollButtons(this);
}

AUK_10013::~AUK_10013()
{
    // The selector's list lives in the panel page; the selector goes first
    // so that it never reaches a list already deleted.
    delete m_panelSelector;
}

void AUK_10013::buildForm()
{
    setObjectName(QStringLiteral("AUK_10013"));
    resize(640, 480);
    m_filterLink = new QWidget(this);
    m_filterLink->setObjectName(QStringLiteral("filterLink"));
    m_filterLink->setGeometry(297, 52, 44, 41);
    m_filterLink->setAutoFillBackground(true);

    m_stackedWidget = new QStackedWidget(this);
    m_stackedWidget->setObjectName(QStringLiteral("stackedWidget"));
    m_stackedWidget->setGeometry(328, 38, 312, 414);
    m_stackedWidget->setMinimumSize(312, 414);
    m_panelListPage = new QWidget;
    m_panelListPage->setObjectName(QStringLiteral("panelListPage"));
    m_panelListLayout = new QHBoxLayout(m_panelListPage);
    m_panelListLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_panelListLayout->setSpacing(0);
    m_panelListLayout->setContentsMargins(0, 0, 0, 0);
    m_panelListLayout->addStretch();
    m_stackedWidget->addWidget(m_panelListPage);
    m_taskListPage = new QWidget;
    m_taskListPage->setObjectName(QStringLiteral("taskListPage"));
    m_taskSelector = new AUK_90048(m_taskListPage);
    m_taskSelector->setObjectName(QStringLiteral("taskSelector"));
    m_taskSelector->setDelegateHeight(65);
    m_taskSelector->setDelegateCheckedImage(
        QPixmap(QStringLiteral("../resources/Buttons/AUK_80102_active_button_blue_down.png")));
    m_taskSelector->setDelegateUncheckedImage(
        QPixmap(QStringLiteral("../resources/Buttons/AUK_80097_active_button_grey_up.png")));
    m_taskSelector->setShortListview(false);
    m_taskSelector->setShowHeader(true);
    m_taskSelector->setWideListView(false);
    m_taskHeader = new QLabel(tr("_AUK_10013_TASKS_WIDETITLE"), m_taskSelector);
    m_taskHeader->setObjectName(QStringLiteral("taskHeader"));
    m_taskHeader->setGeometry(0, 12, 298, 30);
    m_stackedWidget->addWidget(m_taskListPage);

    m_panelFilterButtonContainer = new QWidget(this);
    m_panelFilterButtonContainer->setObjectName(QStringLiteral("panelFilterButtonContainer"));
    m_panelFilterButtonContainer->setGeometry(0, 41, 326, 64);
    m_panelFilterButtonContainer->setMinimumHeight(64);
    auto *buttons = new QVBoxLayout(m_panelFilterButtonContainer);
    buttons->setObjectName(QStringLiteral("verticalLayout_2"));
    buttons->setContentsMargins(0, 0, 0, 0);

    m_lozengeBar = new AUK_90006(this);
    m_lozengeBar->setObjectName(QStringLiteral("lozengeBar"));
    m_lozengeBar->setGeometry(6, 379, 640, 71);
    m_infoBox = new QLabel(this);
    m_infoBox->setObjectName(QStringLiteral("infoBox"));
    m_infoBox->setGeometry(10, 245, 300, 128);
    m_infoBox->setWordWrap(true);

    setTitle(tr("_AUK_10013_HDR"));
    const QPixmap missing(QStringLiteral("../resources/icons/GENERIC_missing_smll.png"));
    setIconBlueFlavour(missing);
    setIconYellowFlavour(missing);
    setIconRedFlavour(missing);
}

void AUK_10013::panelSelectorActivated()
{
    m_stackedWidget->setCurrentWidget(m_panelListPage);
    filterSelectorUpdated(m_panelSelector);
}

void AUK_10013::panelChanged(int)
{
    const QItemSelectionModel *selection =
        m_panelSelector->filterEditor()
            ? static_cast<AUK_90048 *>(m_panelSelector->filterEditor())->listView()->selectionModel()
            : nullptr;
    if (!selection || !selection->hasSelection())
        return;
    loadTasks();
    m_stackedWidget->setCurrentWidget(m_taskListPage);
    filterSelectorUpdated(m_taskSelector);
}

void AUK_10013::filterSelectorUpdated(QObject *target)
{
    showScrollButtons(true);
    disconnectScrollTarget(m_scrollTarget);
    m_scrollTarget = target;
    connectScrollTarget(m_scrollTarget);
    emit updateScrollBarButtons();
    emit updateLozengeBarButtons();
}
