#pragma once

#include <QFile>

class PanelPointStringsContainer;

// The point-text file of one panel: "strings/<panel>/output_<NN>.txt" below
// the working directory (the number at least two digits wide), in UTF-8.
class PanelPointStringsFile final : public QFile
{
public:
    explicit PanelPointStringsFile(quint8 panel);

    static QString directoryPath(quint8 panel);

    // Empties the texts, then adds every whole line of the file; false when
    // the file cannot be opened.
    bool readContainer(PanelPointStringsContainer &texts);
    // Replaces the file with one line per point, through a temporary file,
    // so a failed write leaves the previous file whole.
    bool writeContainer(const PanelPointStringsContainer &texts);

    // The panel's directory with everything in it; for panel 255 the whole
    // "strings" directory.
    void removeFiles();

private:
    quint8 m_panel;
};
