#include "screens/commissioning/AUK_30008.h"

#include "app/PageStack.h"
#include "link/SC_PointsIndividual.h"
#include "link/SyncClient.h"
#include "listscreens/PanelSelector.h"
#include "pointmodels/FilteredModelTaskItem.h"
#include "pointmodels/FilteredRoles.h"
#include "screens/popups/AUK_40008.h"
#include "widgets/AUK_90006.h"
#include "widgets/AUK_90048.h"
#include "widgets/FontRepository.h"
#include "widgets/PaletteRepository.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLabel>
#include <QListView>
#include <QPainter>

namespace {

constexpr int CustomTasksTitle = 60;
constexpr quint8 ForceOn = 1;
constexpr quint8 ForceOff = 2;

// The row image with its state written across it.
QPixmap labelledImage(const char *file, const QString &text, const QColor &colour)
{
    QPixmap image{QString::fromLatin1(file)};
    if (image.isNull())
        return image;
    QPainter painter(&image);
    painter.setFont(FontRepository::instance()->normal15());
    painter.setPen(colour);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

} // namespace

AUK_30008::AUK_30008(QWidget *parent)
    : AUK_10013(parent)
{
    setObjectName(QStringLiteral("AUK_30008"));
    retranslate();
    setIconBlueFlavour(QPixmap(QStringLiteral("../resources/icons/AUK_80077_tasks_smll_blue.png")));
    setIconRedFlavour(QPixmap(QStringLiteral("../resources/icons/AUK_80078_tasks_smll_red.png")));
    setIconYellowFlavour(QPixmap(QStringLiteral("../resources/icons/AUK_80079_tasks_smll_yellow.png")));

    AUK_90048 *tasks = taskSelector();
    tasks->setDelegateCheckedImage(labelledImage("../resources/Buttons/AUK_80102_active_button_blue_down.png",
                                                 tr("_ACTIVE_LISTBTN"), PaletteRepository::white()));
    tasks->setDelegateUncheckedImage(labelledImage("../resources/Buttons/AUK_80097_active_button_grey_up.png",
                                                   tr("_NOT_ACTIVE_LISTBTN"), PaletteRepository::darkGrey()));
    tasks->listView()->setSelectionMode(QAbstractItemView::NoSelection);
    taskHeader()->setPalette(PaletteRepository::instance()->whiteTextPalette());
    taskHeader()->setFont(FontRepository::instance()->bold18());
    tasks->setShortListview(true);
    AUK_90006 *bar = lozengeBar();
    bar->setLeftButtonVisible(false);
    bar->setMiddleButtonVisible(false);
    bar->setRightButtonVisible(false);
    bar->setScrollButtonsVisible(true);
    panelSelector()->preselectPanel(true);
}

void AUK_30008::retranslate()
{
    setTitleById(CustomTasksTitle);
    taskHeader()->setText(tr("_CUSTOM_TASKS_WIDETITLE"));
}

void AUK_30008::loadTasks()
{
    filterModel().fillTasks();
    taskSelector()->installSelectorDelegate(&filterModel().tasksModel);
}

void AUK_30008::taskSelectorItemClicked(const QModelIndex &index)
{
    bool isNumber = false;
    const uint task = index.data(FilteredRoles::PointRole).toUInt(&isNumber);
    if (!isNumber || task > 255) {
        qWarning() << "AUK_30008::taskSelectorItemClicked Bad point in task model";
        return;
    }
    quint8 panel = 0;
    if (!panelSelector()->selectedPanel(&panel))
        return;
    SC_PointsIndividual points;
    points.setPanel(panel);
    points.addPoint(FilteredModelTaskItem::TaskChannelKind, FilteredModelTaskItem::TaskChannelAddress,
                    FilteredModelTaskItem::TaskChannelNumber, quint8(task));
    const bool active = index.data(FilteredRoles::CheckRole).toInt() == Qt::Checked;
    SyncClient::instance()->sendForcePoints(active ? ForceOff : ForceOn, points);

    auto *progress =
        new AUK_40008(1, QCoreApplication::translate("QObject", "_CUSTOM_TASK_PROGRESS_POPUPTITLE"),
                      QCoreApplication::translate("QObject", "_CUSTOM_TASK_COMPLETE_214_18_INFOTEXTSTYLE"), nullptr);
    connect(progress, &BasePopup::rightButtonClicked, this, &AUK_30008::onCancelled);
    PageStack::instance()->push(progress);
    progress->tasksCompleted(1);
    progress->setFinishedButtons();
    disconnect(progress, &BasePopup::rightButtonClicked, this, &AUK_30008::onCancelled);
    connect(progress, &BasePopup::rightButtonClicked, this, &AUK_30008::finishedDlgPopScreen);
}

void AUK_30008::onCancelled()
{
    finishedDlgPopScreen();
}

// The popup and this screen.
void AUK_30008::finishedDlgPopScreen()
{
    PageStack::instance()->pop(1);
    PageStack::instance()->pop(1);
}
