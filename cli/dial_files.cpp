#include "dial_files.h"

#include "dial/dxf_writer.h"
#include "dial/svg_writer.h"

#include <QSaveFile>

namespace orvane {

namespace {

DialPdfWriter &pdfWriter()
{
    static DialPdfWriter writer;
    return writer;
}

// Replaces `file` with what `write` puts in it, or leaves it as it was.
QString save(const QString &file, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write \"%1\": %2").arg(file, out.errorString());
    if (!write(out)) {
        out.cancelWriting();
        return QStringLiteral("cannot write \"%1\": the pages could not be painted").arg(file);
    }
    if (!out.commit())
        return QStringLiteral("cannot write \"%1\": %2").arg(file, out.errorString());
    return {};
}

QString saveText(const QString &file, const std::string &text)
{
    return save(file, [&text](QIODevice &device) {
        return device.write(text.data(), qint64(text.size())) == qint64(text.size());
    });
}

} // namespace

void setDialPdfWriter(DialPdfWriter writer) { pdfWriter() = std::move(writer); }

bool hasDialPdfWriter() { return bool(pdfWriter()); }

DialDesign designForFiles(const DialData &d)
{
    DialDesign design = d.design;
    if (!d.options.card) {
        design.card.reset();
        design.drawing = drawingParts(design.drawing, {dial::Part::Plate, dial::Part::Gnomon});
    }
    return design;
}

QString writeDialFiles(const DialData &d, int *pdfPages)
{
    const DialOptions &o = d.options;
    // Refused before any file is touched.
    if (!o.pdfFile.isEmpty() && !pdfWriter())
        return QStringLiteral("--pdf \"%1\": PDF output needs the window's libraries, which this program was built "
                              "without; write --svg instead")
            .arg(o.pdfFile);
    const DialDesign design = designForFiles(d);
    const dial::Drawing drawn = o.scale == 1 ? design.drawing : dial::scaled(design.drawing, 1 / o.scale);
    if (!o.svgFile.isEmpty())
        if (QString error = saveText(o.svgFile, dial::svgText(drawn)); !error.isEmpty())
            return error;
    if (!o.dxfFile.isEmpty())
        if (QString error = saveText(o.dxfFile, dial::dxfText(drawn)); !error.isEmpty())
            return error;
    if (!o.cardSvgFile.isEmpty())
        if (QString error = saveText(o.cardSvgFile, dial::svgText(drawingParts(d.design.drawing, {dial::Part::Card})));
            !error.isEmpty())
            return error;
    if (!o.pdfFile.isEmpty())
        return save(o.pdfFile, [&design, pdfPages](QIODevice &device) {
            const int pages = pdfWriter()(device, design);
            if (pdfPages)
                *pdfPages = pages;
            return pages > 0;
        });
    return {};
}

} // namespace orvane
