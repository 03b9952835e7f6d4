#pragma once
// Reading the picture of a chart: PNG, JPEG, BMP, GIF and the other formats Qt reads, SVG drawn
// to an image of a useful size, and one page of a PDF through the PDF plugin, loaded only then.
#include <QImage>
#include <QString>

namespace mirendo {

struct ChartPictureRead {
    enum class Status {
        Read,
        NotReadable,      // no such file, no permission, or a file no reader takes
        Damaged,          // a picture format, but its contents could not be decoded
        TooLarge,         // more pixels than the window keeps (see kMaxChartPixels)
        PdfPluginMissing, // the PDF plugin (or Qt PDF under it) could not be loaded
        NoSuchPdfPage,
    };
    Status status = Status::NotReadable;
    QImage image;
    int pdfPageCount = 0; // for a PDF: the number of its pages (0: not a PDF)
    QString detail;       // why the plugin did not load
    bool ok() const { return status == Status::Read; }
};

// Pixels a picture may have: 16000 x 16000, 1 GB as 32-bit pixels.
inline constexpr long long kMaxChartPixels = 16000LL * 16000LL;
// The longer side of an SVG drawing or a PDF page, in pixels: at about 300 dpi for an A4 page, so a
// thin line of a vector chart is several pixels wide and its middle can be found.
inline constexpr int kVectorLongSide = 3500;

bool IsPdfPath(const QString& path);
bool IsSvgPath(const QString& path);

// `pdfPage` (from 0) chooses the page of a PDF; other files ignore it.
ChartPictureRead ReadChartPicture(const QString& path, int pdfPage = 0);

// The PDF plugin is looked for in the folder of the running program (as built), then in the
// folder it is installed to (beside the program's own libraries), then on the library path.

} // namespace mirendo
