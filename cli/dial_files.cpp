#include "dial_files.h"

#include "dial/dxf_writer.h"
#include "dial/svg_writer.h"
#include "text/translation.h"

#include "text/whole_files.h"

#include <utility>

namespace orvane {

namespace {

DialPdfWriter &pdfWriter()
{
    static DialPdfWriter writer;
    return writer;
}

// The text written into a new file of `files` for `target`.
QString addText(WholeFiles &files, const QString &target, const std::string &text)
{
    QFile *file = files.add(target);
    if (!file)
        return files.error();
    if (file->write(text.data(), qint64(text.size())) != qint64(text.size()))
        return translate("cli", "cannot write \"%1\": %2").arg(target, file->errorString());
    return {};
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
        return translate("cli", "--pdf \"%1\": PDF output needs the window's libraries, which this program was built "
                                "without; write --svg instead")
            .arg(o.pdfFile);
    const DialDesign design = designForFiles(d);
    const dial::Drawing drawn = o.scale == 1 ? design.drawing : dial::scaled(design.drawing, 1 / o.scale);
    // Each file beside its target first; none is put in place unless all are whole.
    WholeFiles files;
    const std::pair<const QString &, std::function<std::string()>> texts[] = {
        {o.svgFile, [&drawn] { return dial::svgText(drawn); }},
        {o.dxfFile, [&drawn] { return dial::dxfText(drawn); }},
        {o.cardSvgFile, [&d] { return dial::svgText(drawingParts(d.design.drawing, {dial::Part::Card})); }},
    };
    for (const auto &[target, text] : texts)
        if (!target.isEmpty())
            if (QString error = addText(files, target, text()); !error.isEmpty())
                return error;
    if (!o.pdfFile.isEmpty()) {
        QFile *file = files.add(o.pdfFile);
        if (!file)
            return files.error();
        const int pages = pdfWriter()(*file, design);
        if (pdfPages)
            *pdfPages = pages;
        if (pages <= 0)
            return translate("cli", "cannot write \"%1\": the pages could not be painted").arg(o.pdfFile);
    }
    return files.commit() ? QString() : files.error();
}

} // namespace orvane
