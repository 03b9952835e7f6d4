#pragma once
// The interface of the PDF plugin (libmirendo_pdf.so), a library of its own so that Qt PDF, and
// the Qt Network and QML libraries it brings with it, are loaded only when a PDF is opened and
// never at Mirendo's start. The plugin exports one function of C linkage, looked up by name.
#include <QImage>
#include <QString>

namespace mirendo {

struct PdfPageRender {
    enum class Status { Rendered, NotOpened, NoSuchPage };
    Status status = Status::NotOpened;
    int pageCount = 0; // known once the file opened
    QImage image;
};

// Renders page `pageIndex` (from 0) of the PDF at `path` with its longer side `longSidePixels`
// pixels long, into `out`.
using RenderPdfPageFunction = void (*)(const QString& path, int pageIndex, int longSidePixels,
                                       PdfPageRender& out);
inline constexpr const char* kRenderPdfPageSymbol = "mirendo_render_pdf_page";
// The plugin's base name, as QLibrary takes it (no "lib", no suffix).
inline constexpr const char* kPdfPluginName = "mirendo_pdf";

} // namespace mirendo
