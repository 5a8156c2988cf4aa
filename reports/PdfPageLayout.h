#pragma once

#include <QPageLayout>
#include <QSizeF>

// The paper of a PDF report, chosen by its widest line: A4 upright up to 108
// characters, A4 across up to 159, and beyond that across on paper long
// enough for the line, up to 1000 characters.
struct PdfPageLayout final
{
    bool fits = false;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // Width by height in millimetres, as the paper is fed.
    QSizeF paper;
    int linesPerPage = 0;

    static PdfPageLayout forLineWidth(int lineWidth);
};
