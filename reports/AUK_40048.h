#pragma once

#include "screens/popups/AUK_40040.h"

// The popup that follows one report save: the stage and the percentage with
// a cancel key while the report is written, then where the file went or why
// it could not be saved, with a key to close it.
class AUK_40048 final : public AUK_40040
{
    Q_OBJECT

public:
    enum eSaveStage : qint32 { CollectingRows = 0, ComputingLayout = 1, WritingFile = 2 };
    Q_ENUM(eSaveStage)

    enum eFailureType : qint32 {
        NoFailure = 0,
        PrefixHoldsSeparator = 1,
        NoDirectoryName = 2,
        NoDirectory = 3,
        DirectoryNotWritable = 4,
        NoFreeFileName = 5,
        LineTooLong = 6,
        PainterNotStarted = 7,
        TextWriteFailed = 8,
        PrinterNotActive = 9,
        PdfPageFailed = 10,
        TextFileNotWritable = 11,
    };
    Q_ENUM(eFailureType)

    // The progress form.
    explicit AUK_40048(QWidget *parent = nullptr);
    // The result form at once: the failure, or with NoFailure the file saved.
    AUK_40048(eFailureType failure, const QString &filePath, QWidget *parent = nullptr);

signals:
    void cancelPressed();

public slots:
    void setPercentage(int percent);
    void setStage(AUK_40048::eSaveStage stage);
    void saveSuccess(const QString &filePath);
    void saveFailure(AUK_40048::eFailureType failure);
    void cancelClicked();

private:
    void showResult(const char *titleKey, int topMessage);
};
