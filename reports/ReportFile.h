#pragma once

#include <QString>

#include <memory>

class QSaveFile;
class QTemporaryFile;

// The file of one report in the USB directory. Its name is the first free
// one of ten and is created at once, so a second save in the same second
// moves on to the next number; the content is written beside it and moved
// onto it only when complete, so a save that fails or is cancelled leaves
// no file behind.
class ReportFile final
{
public:
    ReportFile();
    ~ReportFile();
    ReportFile(const ReportFile &) = delete;
    ReportFile &operator=(const ReportFile &) = delete;

    // Takes the first of "<base>_0.<extension>" to "<base>_9.<extension>"
    // that the directory does not hold in any letter case; false when all
    // ten are taken.
    bool reserve(const QString &directory, const QString &baseName, const QString &extension);
    const QString &path() const { return m_path; }

    // The text content, written aside until commitText(); null when it
    // cannot be opened.
    QSaveFile *openText();
    bool commitText();

    // A file beside the report for the PDF writer; empty when none can be
    // made. commitWork() moves it onto the report's name when it holds
    // something.
    QString openWork();
    bool commitWork();

    // Removes the content written so far and the name taken.
    void discard();

private:
    QString m_path;
    bool m_reserved = false;
    std::unique_ptr<QSaveFile> m_text;
    std::unique_ptr<QTemporaryFile> m_work;
};
