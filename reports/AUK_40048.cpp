#include "reports/AUK_40048.h"

#include <QCoreApplication>

#include <iterator>

namespace {

constexpr int PleaseWaitBottomMessage = 55;
constexpr int SavedTopMessage = 7;
constexpr int WrittenMiddleMessage = 12;
constexpr int NotSavedTopMessage = 6;
constexpr int ClosePopupKeyId = 4;

// The middle message of each stage, by stage.
constexpr int StageMessages[] = {1, 2, 6};

struct FailureMessages
{
    int middle;
    int bottom;
};

// The middle and bottom messages of each failure, by failure code from 1.
constexpr FailureMessages FailureTable[] = {
    {4, 32}, // the prefix names a directory
    {8, 56}, // no USB directory
    {9, 56}, // the directory is missing
    {9, 56}, // the directory is read-only
    {3, 4}, // no free file name
    {4, 68}, // a line too long for the widest paper
    {11, 19}, // the PDF could not be started
    {11, 19}, // a text write failed
    {11, 19}, // the printer stopped
    {11, 19}, // a PDF page failed
    {11, 19}, // the text file was closed
};

QString progressText(int percent)
{
    return QStringLiteral("Progress: %1%").arg(percent);
}

} // namespace

AUK_40048::AUK_40048(QWidget *parent)
    : AUK_40040(parent, false, false)
{
    setObjectName(QStringLiteral("AUK_40048"));
    setTitle(QCoreApplication::translate("AUK_20003", "_PLEASE_WAIT_POPUPTITLE"));
    setBottomText(progressText(0));
    // Painted before the first step of the save holds the event loop.
    QCoreApplication::processEvents();
    setLeftButtonVisible(false);
    connect(this, &BasePopup::rightButtonClicked, this, &AUK_40048::cancelClicked);
    connect(this, &BasePopup::leftButtonClicked, this, &AUK_40040::okClicked);
}

AUK_40048::AUK_40048(eFailureType failure, const QString &filePath, QWidget *parent)
    : AUK_40048(parent)
{
    if (failure != NoFailure)
        saveFailure(failure);
    else
        saveSuccess(filePath);
}

void AUK_40048::setPercentage(int percent)
{
    if (percent < 0)
        setBottomMessage(PleaseWaitBottomMessage);
    else
        setBottomText(progressText(percent));
    // Painted now, in the middle of a long step.
    QCoreApplication::processEvents();
}

void AUK_40048::setStage(AUK_40048::eSaveStage stage)
{
    const int index = int(stage);
    const bool known = index >= 0 && index < int(std::size(StageMessages));
    setMiddleMessage(known ? StageMessages[index] : 0, false);
}

void AUK_40048::saveSuccess(const QString &filePath)
{
    showResult(QT_TRANSLATE_NOOP("AUK_20003", "_SAVE_POPUPTITLE"), SavedTopMessage);
    setMiddleMessage(WrittenMiddleMessage, false);
    setBottomText(filePath);
}

void AUK_40048::saveFailure(AUK_40048::eFailureType failure)
{
    showResult(QT_TRANSLATE_NOOP("AUK_20003", "_ERROR_POPUPTITLE"), NotSavedTopMessage);
    const int index = int(failure) - 1;
    const bool known = index >= 0 && index < int(std::size(FailureTable));
    setMiddleMessage(known ? FailureTable[index].middle : 0, false);
    setBottomMessage(known ? FailureTable[index].bottom : 0);
}

void AUK_40048::cancelClicked()
{
    emit cancelPressed();
    AUK_40040::cancelClicked();
}

void AUK_40048::showResult(const char *titleKey, int topMessage)
{
    setRightButtonVisible(false);
    setLeftButtonTextById(ClosePopupKeyId);
    setLeftButtonVisible(true);
    setTitle(QCoreApplication::translate("AUK_20003", titleKey));
    setTopMessage(topMessage);
}
