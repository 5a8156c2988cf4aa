#pragma once

#include "reports/AUK_40048.h"
#include "reports/ReportFile.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPainter>
#include <QPair>
#include <QPointer>
#include <QSharedPointer>
#include <QStringList>
#include <QTextDocument>
#include <QTextStream>
#include <QVector>

#include <memory>

class PrintableModel;
class QPrinter;
class QSaveFile;
class SC_Timer;

// Saves the rows of one or more printable models, one section each, as one
// report file in the USB directory: text, comma-separated values or PDF, as
// the report-format setting says. The work is cut into short steps on the
// engine's clock (a batch of rows collected, a chunk of lines or one page
// written), so the screen and the progress popup stay live; the popup shows
// the stage, the percentage and, at the end, the file or the failure. One
// object serves one save and deletes itself when the save ends.
class SaveReport final : public QObject
{
    Q_OBJECT

public:
    using HeaderFields = QList<QPair<QString, QString>>;

    SaveReport(const QString &filePrefix, const QString &headerText, QSharedPointer<PrintableModel> model,
               const HeaderFields &headerFields, QObject *parent, bool plainSeparator);
    SaveReport(const QString &filePrefix, const QString &headerText, const HeaderFields &headerFields, QObject *parent,
               bool plainSeparator);
    ~SaveReport() override;

    void addModel(QSharedPointer<PrintableModel> model);
    // Begins the save; later calls are ignored.
    void start();

    const QString &filePath() const { return m_filePath; }

signals:
    void notifyFailure(AUK_40048::eFailureType failure);
    void notifySuccess(const QString &filePath);
    void saveProgress(int percent);
    void updateStage(AUK_40048::eSaveStage stage);

public slots:
    // The next step ends the save, and nothing is reported.
    void cancel();

    void extractEntriesFromModel();
    void prepareReportContentForFormatting();
    void printContentToCsvFile();
    void printContentToPdfFile();
    void printContentToTxtFile();

private:
    using Step = void (SaveReport::*)();

    // What a PDF page holds: the rows it took, the lines it has room for
    // still, and its text when asked for.
    struct PageFill
    {
        int rows = 0;
        int roomLeft = 0;
        QString text;
    };
    // The section a page continues: its title and its framed title row.
    struct SectionContext
    {
        QString title;
        QString titleRow;
    };

    void chooseFormat();
    void translateFixedTexts();
    void buildHeader(const QString &headerText, const HeaderFields &headerFields);
    AUK_40048::eFailureType prepareOutputFile();
    void countEntries();

    void schedule(Step step);
    void runScheduledStep();

    void collectBatch(PrintableModel &model);
    void appendTree(const QList<int> &roles, const QModelIndex &index, int level);
    static QStringList rowTexts(const QList<int> &roles, const QModelIndex &index);

    void computeLayout();
    int modelOfRow(int row) const;
    int rowsLeft() const { return m_rows.size() - m_written; }
    void emitWritingProgress();

    bool openTextFile();
    void writeTextStep(int rowsPerStep, Step self);
    QString textLine(int row) const;
    QString sectionTitleBlock(const QString &title) const;
    void finishTextFile();

    bool openPdf();
    int countPages();
    PageFill fillPage(int firstRow, SectionContext &section, bool withText) const;
    QString pageStart(int pageNumber) const;
    bool printPage(const QString &text, bool newPageAfter);
    void finishPdf();
    void abandonPdf();
    void releasePrinter();

    void fail(AUK_40048::eFailureType failure);
    void finish(AUK_40048::eFailureType failure);
    void endCancelled();
    void endSave();

    QList<QSharedPointer<PrintableModel>> m_models;
    int m_currentModel = 0;
    QList<QStringList> m_rows;
    QList<int> m_levels;
    QList<int> m_sectionEnds;
    QStringList m_sectionTitles;
    QStringList m_headerLines;
    QVector<QVector<int>> m_columnWidths;
    QVector<int> m_sectionRowCounts;
    int m_totalRows = 0;
    int m_processed = 0;
    int m_totalTopLevelRows = 0;
    // The first row not yet written.
    int m_written = 0;
    QString m_extension;
    QString m_filePath;
    QString m_filePrefix;
    QString m_directory;
    ReportFile m_file;
    QSaveFile *m_textFile = nullptr;
    QTextStream m_stream;
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QTextDocument m_document;
    SectionContext m_section;
    int m_totalPages = 0;
    int m_linesPerPage = 0;
    int m_txtRowsPerStep = 500;
    int m_csvRowsPerStep = 1000;
    QDateTime m_generatedAt;
    QString m_header;
    QString m_separator;
    int m_steps = 0;
    int m_lineWidth = 0;
    int m_pageNumber = 0;
    bool m_running = false;
    bool m_cancelled = false;
    bool m_csv = false;
    bool m_pdf = false;
    bool m_plainSeparator = false;
    QString m_endOfReportText;
    QString m_noRecordsText;
    QString m_generatedAtText;
    SC_Timer *m_stepTimer;
    Step m_nextStep = nullptr;
    QPointer<AUK_40048> m_popup;
};
