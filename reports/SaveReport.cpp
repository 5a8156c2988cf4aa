#include "reports/SaveReport.h"

#include "core/GlobalConstants.h"
#include "core/SC_Timer.h"
#include "frontpanel/USBController.h"
#include "paneldata/DateTime.h"
#include "paneldata/PanelConfiguration.h"
#include "reports/PdfPageLayout.h"
#include "reports/PrintableModel.h"
#include "reports/ReportEnvironment.h"
#include "reports/ReportLines.h"
#include "widgets/FontRepository.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace {

// The level of a column-title row.
constexpr int TitleLevel = -1;
constexpr int RowsPerBatch = 100;
constexpr int MaxChildren = 10000;
constexpr int LayoutProgressRows = 100;
constexpr int PdfResolution = 300;
constexpr qreal PdfMarginMm = 14;
constexpr int PdfPointSize = 8;
// Lines a page gives to its page number and the blank after it, a section's
// title, and a framed column-title row.
constexpr int PageNumberLines = 2;
constexpr int SectionTitleLines = 1;
constexpr int FramedTitleLines = 3;
// The blank and the line a section without rows, or the end, adds.
constexpr int NoRecordsLines = 2;
constexpr int EndLines = 2;
constexpr int SaltmarshBrand = 1;

QString valueText(const QVariant &value)
{
    if (!value.canConvert<QStringList>())
        return value.toString();
    static const QRegularExpression outerBlanks(QStringLiteral("^\\s+|\\s+$"));
    QStringList parts = value.toStringList();
    for (QString &part : parts)
        part.remove(outerBlanks);
    return parts.join(QLatin1Char(' '));
}

} // namespace

SaveReport::SaveReport(const QString &filePrefix, const QString &headerText, QSharedPointer<PrintableModel> model,
                       const HeaderFields &headerFields, QObject *parent, bool plainSeparator)
    : SaveReport(filePrefix, headerText, headerFields, parent, plainSeparator)
{
    addModel(std::move(model));
}

SaveReport::SaveReport(const QString &filePrefix, const QString &headerText, const HeaderFields &headerFields,
                       QObject *parent, bool plainSeparator)
    : QObject(parent)
    , m_filePrefix(filePrefix)
    , m_plainSeparator(plainSeparator)
    , m_stepTimer(SC_Timer::create(this))
{
    m_stepTimer->setSingleShot(true);
    connect(m_stepTimer, &SC_Timer::timeout, this, &SaveReport::runScheduledStep);
    chooseFormat();
    translateFixedTexts();
    buildHeader(headerText, headerFields);
}

SaveReport::~SaveReport()
{
    if (m_painter.isActive())
        m_painter.end();
}

void SaveReport::chooseFormat()
{
    m_extension = QStringLiteral("pdf");
    m_separator = QStringLiteral(" | ");
    switch (PanelConfiguration::instance()->reportFormat()) {
    case PanelConfiguration::TextWithWhiteSpace:
        m_extension = QStringLiteral("txt");
        m_separator = QStringLiteral(", ");
        break;
    case PanelConfiguration::Text:
        m_extension = QStringLiteral("txt");
        break;
    case PanelConfiguration::Csv:
        m_extension = QStringLiteral("csv");
        m_separator = QStringLiteral(",");
        m_csv = true;
        break;
    default:
        m_pdf = true;
        break;
    }
    if (m_plainSeparator)
        m_separator = QStringLiteral(" ");
}

void SaveReport::translateFixedTexts()
{
    m_generatedAtText = QCoreApplication::translate("QObject", "_REPORT_GENERATED_AT_TIME_80_CHAR");
    m_endOfReportText = QCoreApplication::translate("QObject", "_END_OF_REPORT_80_CHAR");
    m_noRecordsText = QCoreApplication::translate("QObject", "_NO_RECORDS_TO_PRINT_80_CHAR");
    if (m_csv) {
        m_endOfReportText = ReportLines::quoted(m_endOfReportText);
        m_noRecordsText = ReportLines::quoted(m_noRecordsText);
    }
}

void SaveReport::buildHeader(const QString &headerText, const HeaderFields &headerFields)
{
    m_generatedAt = DateTime::panelDateTime();
    const QString time = DateTime::formatDateTime(m_generatedAt, QLatin1String(GlobalConstants::dateTimeFormat));
    const QStringList parts = headerText.split(ReportLines::LineEnd);
    const QString pattern = QStringLiteral("%1 %2");
    if (m_csv) {
        for (const QString &part : parts)
            m_headerLines << ReportLines::quoted(pattern.arg(part, QString()));
        for (const auto &field : headerFields)
            m_headerLines << ReportLines::quoted(pattern.arg(field.first, field.second));
        m_headerLines << ReportLines::quoted(pattern.arg(m_generatedAtText, time));
    } else {
        for (const QString &part : parts)
            m_headerLines << pattern.arg(part, QString());
        int labelWidth = m_generatedAtText.size();
        for (const auto &field : headerFields)
            labelWidth = qMax(labelWidth, field.first.size());
        for (const auto &field : headerFields)
            m_headerLines << pattern.arg(field.first.leftJustified(labelWidth), field.second);
        m_headerLines << pattern.arg(m_generatedAtText.leftJustified(labelWidth), time);
    }
    m_header = m_headerLines.join(ReportLines::LineEnd);
}

void SaveReport::addModel(QSharedPointer<PrintableModel> model)
{
    if (model)
        m_models << std::move(model);
}

void SaveReport::start()
{
    if (m_running)
        return;
    m_running = true;
    ReportEnvironment *environment = ReportEnvironment::installed();
    if (!environment) {
        qWarning() << "SaveReport::start: no page stack to show the save on; nothing is saved";
        endSave();
        return;
    }
    auto *popup = new AUK_40048;
    connect(this, &SaveReport::saveProgress, popup, &AUK_40048::setPercentage);
    connect(this, &SaveReport::updateStage, popup, &AUK_40048::setStage);
    connect(this, &SaveReport::notifySuccess, popup, &AUK_40048::saveSuccess);
    connect(this, &SaveReport::notifyFailure, popup, &AUK_40048::saveFailure);
    connect(popup, &AUK_40048::cancelPressed, this, &SaveReport::cancel);
    m_popup = popup;
    if (!environment->push(popup)) {
        qWarning() << "SaveReport::start: the progress popup cannot be shown; nothing is saved";
        endSave();
        return;
    }
    const AUK_40048::eFailureType failure = prepareOutputFile();
    if (failure != AUK_40048::NoFailure) {
        fail(failure);
        return;
    }
    countEntries();
    m_currentModel = 0;
    emit updateStage(AUK_40048::CollectingRows);
    emit saveProgress(0);
    m_steps = 0;
    extractEntriesFromModel();
}

AUK_40048::eFailureType SaveReport::prepareOutputFile()
{
    if (m_filePrefix.contains(QDir::separator()))
        return AUK_40048::PrefixHoldsSeparator;
    m_directory = USBController::usbPath();
    if (m_directory.isEmpty())
        return AUK_40048::NoDirectoryName;
    const QFileInfo directory(m_directory);
    if (!directory.exists() || !directory.isDir())
        return AUK_40048::NoDirectory;
    if (!directory.isWritable())
        return AUK_40048::DirectoryNotWritable;
    const QString baseName = m_filePrefix + m_generatedAt.toString(QStringLiteral("yyyyMMddhhmmss"));
    if (!m_file.reserve(m_directory, baseName, m_extension))
        return AUK_40048::NoFreeFileName;
    m_filePath = m_file.path();
    return AUK_40048::NoFailure;
}

void SaveReport::countEntries()
{
    m_rows.clear();
    m_levels.clear();
    m_sectionEnds.clear();
    m_sectionTitles.clear();
    m_sectionRowCounts.clear();
    m_totalTopLevelRows = 0;
    m_processed = 0;
    for (const QSharedPointer<PrintableModel> &model : qAsConst(m_models)) {
        model->nextRow = 0;
        const int rows = model->model() ? model->model()->rowCount() : 0;
        m_sectionRowCounts << rows;
        m_totalTopLevelRows += rows;
        m_sectionTitles << model->title;
    }
}

void SaveReport::schedule(Step step)
{
    m_nextStep = step;
    m_stepTimer->start(0);
}

void SaveReport::runScheduledStep()
{
    if (m_nextStep)
        (this->*m_nextStep)();
}

void SaveReport::cancel()
{
    m_cancelled = true;
}

void SaveReport::extractEntriesFromModel()
{
    if (m_cancelled) {
        endCancelled();
        return;
    }
    ++m_steps;
    if (m_currentModel >= m_models.size()) {
        prepareReportContentForFormatting();
        return;
    }
    collectBatch(*m_models.at(m_currentModel));
    schedule(&SaveReport::extractEntriesFromModel);
}

void SaveReport::collectBatch(PrintableModel &model)
{
    const QList<int> roles = model.roles();
    if (model.nextRow == 0 && model.printTitleRow()) {
        QStringList titles;
        for (int role : roles)
            titles << model.roleTitle(role).trimmed();
        m_rows << titles;
        m_levels << TitleLevel;
    }
    // The rows counted at the start: a list that grows meanwhile is saved
    // as it was, one that shrinks gives empty rows.
    const int rowCount = m_sectionRowCounts.value(m_currentModel);
    const int end = qMin(rowCount, model.nextRow + RowsPerBatch);
    const QAbstractItemModel *items = model.model().data();
    for (int row = model.nextRow; row < end; ++row)
        appendTree(roles, items && items->hasIndex(row, 0) ? items->index(row, 0) : QModelIndex(), 0);
    m_processed += end - model.nextRow;
    if (m_totalTopLevelRows > 0)
        emit saveProgress(m_processed * 100 / m_totalTopLevelRows);
    if (end < rowCount) {
        model.nextRow = end;
        return;
    }
    model.nextRow = rowCount;
    ++m_currentModel;
    m_totalRows = m_rows.size();
    m_sectionEnds << m_totalRows;
}

void SaveReport::appendTree(const QList<int> &roles, const QModelIndex &index, int level)
{
    m_rows << rowTexts(roles, index);
    m_levels << level;
    if (!index.isValid())
        return;
    const QAbstractItemModel *items = index.model();
    for (int child = 0; child < MaxChildren && items->hasIndex(child, 0, index); ++child)
        appendTree(roles, items->index(child, 0, index), level + 1);
}

QStringList SaveReport::rowTexts(const QList<int> &roles, const QModelIndex &index)
{
    QStringList texts;
    texts.reserve(roles.size());
    for (int role : roles)
        texts << (index.isValid() ? valueText(index.data(role)).trimmed() : QString());
    return texts;
}

void SaveReport::prepareReportContentForFormatting()
{
    if (m_cancelled) {
        endCancelled();
        return;
    }
    if (!m_csv) {
        emit updateStage(AUK_40048::ComputingLayout);
        emit saveProgress(0);
        m_steps = 0;
        computeLayout();
    }
    emit updateStage(AUK_40048::WritingFile);
    emit saveProgress(0);
    m_steps = 0;
    m_written = 0;
    if (m_pdf) {
        if (openPdf())
            printContentToPdfFile();
    } else if (openTextFile()) {
        if (m_csv)
            printContentToCsvFile();
        else
            printContentToTxtFile();
    }
}

void SaveReport::computeLayout()
{
    m_processed = 0;
    const int base = 2 * m_totalRows;
    const auto countRow = [this, base] {
        ++m_processed;
        if (m_processed % LayoutProgressRows == 0 && base > 0)
            emit saveProgress(m_processed * 100 / base);
    };
    m_columnWidths = QVector<QVector<int>>(m_sectionEnds.size());
    m_lineWidth = 0;
    int begin = 0;
    for (int section = 0; section < m_sectionEnds.size(); ++section) {
        const int end = m_sectionEnds.at(section);
        if (end <= begin)
            continue;
        QVector<int> widths(m_rows.at(begin).size(), 0);
        for (int row = begin; row < end; ++row) {
            const QStringList &texts = m_rows.at(row);
            for (int column = 0; column < qMin(widths.size(), texts.size()); ++column)
                widths[column] = qMax(widths.at(column), texts.at(column).size());
            countRow();
        }
        int deepest = 0;
        for (int row = begin; row < end; ++row) {
            deepest = qMax(deepest, m_levels.at(row));
            countRow();
        }
        int lineWidth = 4 * deepest;
        for (int width : qAsConst(widths))
            lineWidth += width + m_separator.size();
        m_lineWidth = qMax(m_lineWidth, lineWidth);
        m_columnWidths[section] = widths;
        begin = end;
    }
}

int SaveReport::modelOfRow(int row) const
{
    return int(std::upper_bound(m_sectionEnds.cbegin(), m_sectionEnds.cend(), row) - m_sectionEnds.cbegin());
}

void SaveReport::emitWritingProgress()
{
    if (m_totalRows > 0)
        emit saveProgress((m_totalRows - rowsLeft()) * 100 / m_totalRows);
}

bool SaveReport::openTextFile()
{
    m_textFile = m_file.openText();
    if (!m_textFile) {
        fail(AUK_40048::TextWriteFailed);
        return false;
    }
    m_stream.setDevice(m_textFile);
    m_stream.setCodec("UTF-8");
    m_stream.setGenerateByteOrderMark(true);
    return true;
}

void SaveReport::printContentToTxtFile()
{
    writeTextStep(m_txtRowsPerStep, &SaveReport::printContentToTxtFile);
}

void SaveReport::printContentToCsvFile()
{
    writeTextStep(m_csvRowsPerStep, &SaveReport::printContentToCsvFile);
}

void SaveReport::writeTextStep(int rowsPerStep, Step self)
{
    if (m_cancelled) {
        m_file.discard();
        endCancelled();
        return;
    }
    if (!m_textFile || !m_textFile->isOpen() || !m_textFile->isWritable()) {
        fail(AUK_40048::TextFileNotWritable);
        return;
    }
    QString chunk;
    if (m_steps == 0) {
        chunk = m_header + ReportLines::LineEnd;
        // A report without a single row still says so.
        if (m_rows.isEmpty())
            chunk += m_noRecordsText + ReportLines::LineEnd;
    }
    const bool ending = rowsLeft() == 0;
    if (ending) {
        chunk += m_endOfReportText + ReportLines::LineEnd;
    } else {
        ++m_steps;
        const int end = qMin(m_rows.size(), m_written + rowsPerStep);
        for (int row = m_written; row < end; ++row)
            chunk += textLine(row);
        m_written = end;
    }
    m_stream << chunk;
    m_stream.flush();
    if (m_stream.status() != QTextStream::Ok || m_textFile->error() != QFileDevice::NoError || !m_textFile->flush()) {
        fail(AUK_40048::TextWriteFailed);
        return;
    }
    if (ending) {
        finishTextFile();
        return;
    }
    if (rowsLeft() > 0)
        emitWritingProgress();
    schedule(self);
}

QString SaveReport::textLine(int row) const
{
    const QStringList &texts = m_rows.at(row);
    const int level = m_levels.at(row);
    const int model = modelOfRow(row);
    const QVector<int> widths = m_columnWidths.value(model);
    if (level != TitleLevel) {
        return m_csv ? ReportLines::csvRow(texts)
                     : ReportLines::indented(ReportLines::textRow(texts, widths, m_separator), level);
    }
    const QString title = m_sectionTitles.value(model);
    const QString block = title.isEmpty() ? QString() : sectionTitleBlock(title);
    return block
           + (m_csv ? ReportLines::csvRow(texts).toUpper()
                    : ReportLines::framedTitleRow(texts, widths, m_separator, m_lineWidth));
}

QString SaveReport::sectionTitleBlock(const QString &title) const
{
    if (m_csv)
        return ReportLines::quoted(title) + ReportLines::LineEnd;
    if (m_pdf)
        return title + ReportLines::LineEnd;
    return ReportLines::LineEnd + title + ReportLines::LineEnd;
}

void SaveReport::finishTextFile()
{
    m_stream.setDevice(nullptr);
    m_textFile = nullptr;
    if (!m_file.commitText()) {
        fail(AUK_40048::TextWriteFailed);
        return;
    }
    finish(QFileInfo(m_filePath).size() > 0 ? AUK_40048::NoFailure : AUK_40048::TextWriteFailed);
}

bool SaveReport::openPdf()
{
    const PdfPageLayout layout = PdfPageLayout::forLineWidth(m_lineWidth);
    if (!layout.fits) {
        fail(AUK_40048::LineTooLong);
        return false;
    }
    const QString work = m_file.openWork();
    if (work.isEmpty()) {
        fail(AUK_40048::PainterNotStarted);
        return false;
    }
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setResolution(PdfResolution);
    m_printer->setPageSize(QPageSize(layout.paper, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    m_printer->setPageOrientation(layout.orientation);
    m_printer->setPageMargins(QMarginsF(PdfMarginMm, PdfMarginMm, PdfMarginMm, PdfMarginMm), QPageLayout::Millimeter);
    m_printer->setOutputFileName(work);
    const bool saltmarsh = ReportEnvironment::installed() && ReportEnvironment::installed()->brand() == SaltmarshBrand;
    m_printer->setCreator(QStringLiteral("%1 GUI v%2")
                              .arg(saltmarsh ? QStringLiteral("Saltmarsh") : QStringLiteral("Vornish"),
                                   QLatin1String(GlobalConstants::engineVersion)));
    if (!m_painter.begin(m_printer.get())) {
        fail(AUK_40048::PainterNotStarted);
        return false;
    }
    QFont font = FontRepository::instance()->mono16();
    font.setPointSize(PdfPointSize);
    m_document.setDefaultFont(font);
    // The text begins at the printable area's corner, as the lines per page
    // assume.
    m_document.setDocumentMargin(0);
    m_document.documentLayout()->setPaintDevice(m_printer.get());
    // At least one data line, however long the header.
    m_linesPerPage =
        qMax(1, layout.linesPerPage - m_headerLines.size() - PageNumberLines - SectionTitleLines - FramedTitleLines);
    m_totalPages = countPages();
    m_pageNumber = 0;
    return true;
}

// Pages are counted by filling them as the writer will, so the total holds
// for child rows, title rows, empty sections and an end line that needs a
// page of its own.
int SaveReport::countPages()
{
    int pages = 0;
    int row = 0;
    SectionContext section;
    PageFill last;
    while (row < m_rows.size()) {
        last = fillPage(row, section, false);
        row += last.rows;
        ++pages;
    }
    if (pages == 0 || last.roomLeft < EndLines)
        ++pages;
    return pages;
}

SaveReport::PageFill SaveReport::fillPage(int firstRow, SectionContext &section, bool withText) const
{
    PageFill fill;
    fill.roomLeft = m_linesPerPage;
    int row = firstRow;
    if (withText && row < m_rows.size() && m_levels.at(row) != TitleLevel) {
        if (!section.title.isEmpty())
            fill.text += sectionTitleBlock(section.title);
        fill.text += section.titleRow;
    }
    while (row < m_rows.size()) {
        if (m_levels.at(row) == TitleLevel) {
            // Every section begins on a page of its own.
            if (row > firstRow)
                break;
            const int model = modelOfRow(row);
            if (withText) {
                section.title = m_sectionTitles.value(model);
                section.titleRow =
                    ReportLines::framedTitleRow(m_rows.at(row), m_columnWidths.value(model), m_separator, m_lineWidth);
                if (!section.title.isEmpty())
                    fill.text += sectionTitleBlock(section.title);
                fill.text += section.titleRow;
            }
            fill.roomLeft = m_linesPerPage;
            if (m_sectionRowCounts.value(model) == 0) {
                if (withText)
                    fill.text += ReportLines::LineEnd + m_noRecordsText + ReportLines::LineEnd;
                fill.roomLeft -= NoRecordsLines;
            }
            ++row;
            continue;
        }
        if (withText)
            fill.text += textLine(row);
        ++row;
        if (--fill.roomLeft <= 0)
            break;
    }
    fill.rows = row - firstRow;
    return fill;
}

QString SaveReport::pageStart(int pageNumber) const
{
    return m_header + ReportLines::LineEnd + QStringLiteral("Page %1 of %2").arg(pageNumber).arg(m_totalPages)
           + ReportLines::LineEnd + ReportLines::LineEnd;
}

void SaveReport::printContentToPdfFile()
{
    if (m_cancelled) {
        abandonPdf();
        endCancelled();
        return;
    }
    if (!m_printer || !m_printer->isValid() || m_printer->printerState() != QPrinter::Active) {
        fail(AUK_40048::PrinterNotActive);
        return;
    }
    ++m_steps;
    ++m_pageNumber;
    const PageFill fill = fillPage(m_written, m_section, true);
    QString text = pageStart(m_pageNumber) + fill.text;
    if (m_rows.isEmpty())
        text += ReportLines::LineEnd + m_noRecordsText + ReportLines::LineEnd;
    m_written += fill.rows;
    const bool endFits = fill.roomLeft >= EndLines || fill.rows == 0;
    if (rowsLeft() > 0 || !endFits) {
        if (rowsLeft() > 0)
            emitWritingProgress();
        if (!printPage(text, true)) {
            fail(AUK_40048::PdfPageFailed);
            return;
        }
        schedule(&SaveReport::printContentToPdfFile);
        return;
    }
    text += ReportLines::LineEnd + m_endOfReportText + ReportLines::LineEnd;
    printPage(text, false);
    finishPdf();
}

bool SaveReport::printPage(const QString &text, bool newPageAfter)
{
    m_document.setPlainText(QString(text).remove(QLatin1Char('\r')));
    m_document.drawContents(&m_painter);
    return !newPageAfter || m_printer->newPage();
}

void SaveReport::finishPdf()
{
    m_painter.end();
    const bool idle = m_printer->printerState() == QPrinter::Idle;
    releasePrinter();
    if (!idle || !m_file.commitWork()) {
        fail(AUK_40048::PdfPageFailed);
        return;
    }
    finish(AUK_40048::NoFailure);
}

void SaveReport::abandonPdf()
{
    if (m_printer && m_printer->printerState() == QPrinter::Active)
        m_printer->abort();
    if (m_painter.isActive())
        m_painter.end();
    releasePrinter();
    m_file.discard();
}

void SaveReport::releasePrinter()
{
    m_document.documentLayout()->setPaintDevice(nullptr);
    m_printer.reset();
}

void SaveReport::fail(AUK_40048::eFailureType failure)
{
    if (m_printer)
        abandonPdf();
    m_stream.setDevice(nullptr);
    m_textFile = nullptr;
    m_file.discard();
    finish(failure);
}

void SaveReport::finish(AUK_40048::eFailureType failure)
{
    ReportEnvironment *environment = ReportEnvironment::installed();
    if (m_popup && environment && environment->isTop(m_popup)) {
        if (failure != AUK_40048::NoFailure)
            emit notifyFailure(failure);
        else
            emit notifySuccess(m_filePath);
    } else if (environment) {
        environment->push(new AUK_40048(failure, m_filePath));
    }
    endSave();
}

void SaveReport::endCancelled()
{
    m_file.discard();
    m_rows.clear();
    m_levels.clear();
    endSave();
}

void SaveReport::endSave()
{
    m_running = false;
    deleteLater();
}
