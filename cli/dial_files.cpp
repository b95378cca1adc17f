#include "dial_files.h"

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

dial::CardDrawing cardDrawing(const DialData &d, const QLocale &locale)
{
    dial::CardDrawing card = cardDrawing(d.card, d.site.date.year(), CardRows::HalfMonthly, locale);
    card.clock = d.cardClock.toStdString();
    return card;
}

std::string dialSvgText(const DialData &d, const QLocale &locale)
{
    std::vector<dial::DateLineDrawing> lines;
    for (const DateLineData &line : d.dateLines)
        lines.push_back({line.label.toStdString(), line.pieces});
    const dial::CardDrawing card = cardDrawing(d, locale);
    return dial::dialSvg(d.input, d.layout, lines, d.options.card ? &card : nullptr);
}

QString writeDialFiles(const DialData &d, const QLocale &locale)
{
    const DialOptions &o = d.options;
    // Refused before any file is touched.
    if (!o.pdfFile.isEmpty() && !pdfWriter())
        return QStringLiteral("--pdf \"%1\": PDF output needs the window's libraries, which this program was built "
                              "without; write --svg instead")
            .arg(o.pdfFile);
    if (!o.svgFile.isEmpty())
        if (QString error = saveText(o.svgFile, dialSvgText(d, locale)); !error.isEmpty())
            return error;
    if (!o.cardSvgFile.isEmpty())
        if (QString error = saveText(o.cardSvgFile, dial::cardSvg(cardDrawing(d, locale))); !error.isEmpty())
            return error;
    if (!o.pdfFile.isEmpty())
        return save(o.pdfFile, [&d](QIODevice &device) { return pdfWriter()(device, d); });
    return {};
}

} // namespace orvane
