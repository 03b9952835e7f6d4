// The PDF plugin: one page of a PDF rendered by Qt PDF (see qt/chart/PdfPlugin.h).
#include "qt/chart/PdfPlugin.h"

#include <QPdfDocument>

#include <algorithm>
#include <cmath>

extern "C" Q_DECL_EXPORT void mirendo_render_pdf_page(const QString& path, int pageIndex, int longSidePixels,
                                                      mirendo::PdfPageRender& out) {
    using Status = mirendo::PdfPageRender::Status;
    out = {};
    QPdfDocument document;
    if (document.load(path) != QPdfDocument::Error::None || document.pageCount() <= 0) {
        out.status = Status::NotOpened;
        return;
    }
    out.pageCount = document.pageCount();
    if (pageIndex < 0 || pageIndex >= out.pageCount) {
        out.status = Status::NoSuchPage;
        return;
    }
    const QSizeF points = document.pagePointSize(pageIndex);
    const double longSide = std::max(points.width(), points.height());
    if (!(longSide > 0)) {
        out.status = Status::NotOpened;
        return;
    }
    const double scale = std::max(1, longSidePixels) / longSide;
    const QSize size(std::max(1, int(std::lround(points.width() * scale))),
                     std::max(1, int(std::lround(points.height() * scale))));
    out.image = document.render(pageIndex, size);
    out.status = out.image.isNull() ? Status::NotOpened : Status::Rendered;
}
