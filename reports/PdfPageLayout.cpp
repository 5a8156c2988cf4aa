#include "reports/PdfPageLayout.h"

namespace {

constexpr int WidestPortraitLine = 108;
constexpr int WidestA4Line = 159;
constexpr int WidestLine = 1000;
constexpr int PortraitLines = 82;
constexpr int LandscapeLines = 55;
constexpr double PaperWidthMm = 210;
constexpr double A4LengthMm = 297;
// Millimetres per character of the 8-point report font, and the two margins.
constexpr float MmPerCharacter = 1.6971428f;
constexpr float MarginsMm = 28;

} // namespace

PdfPageLayout PdfPageLayout::forLineWidth(int lineWidth)
{
    PdfPageLayout layout;
    if (lineWidth > WidestLine)
        return layout;
    layout.fits = true;
    if (lineWidth <= WidestPortraitLine) {
        layout.paper = QSizeF(PaperWidthMm, A4LengthMm);
        layout.linesPerPage = PortraitLines;
        return layout;
    }
    layout.orientation = QPageLayout::Landscape;
    layout.linesPerPage = LandscapeLines;
    const float length = float(lineWidth) * MmPerCharacter + MarginsMm;
    layout.paper = QSizeF(PaperWidthMm, lineWidth <= WidestA4Line ? A4LengthMm : double(length));
    return layout;
}
