#pragma once

#include <QFile>

// The point-text file of one panel: "strings/<panel>/output_<NN>.txt" below
// the working directory (the number at least two digits wide).
class PanelPointStringsFile final : public QFile
{
public:
    explicit PanelPointStringsFile(quint8 panel);

    static QString directoryPath(quint8 panel);

    // The panel's directory with everything in it; for panel 255 the whole
    // "strings" directory.
    void removeFiles();

private:
    quint8 m_panel;
};
