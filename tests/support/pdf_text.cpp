#include "pdf_text.h"

#include <QProcess>
#include <QRegularExpression>

namespace orvane::test {

namespace {

QString runTool(const QString &program, const QStringList &args, QString *error)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (error)
            *error = program + QStringLiteral(" failed: ") + p.errorString() + QLatin1Char(' ') +
                     QString::fromLocal8Bit(p.readAllStandardError());
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

QStringList nonEmpty(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines)
        if (!line.trimmed().isEmpty())
            out << line;
    return out;
}

QStringList pdfLines(const QString &pdfPath, QString *error)
{
    const QString text =
        runTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")}, error);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line.remove(QLatin1Char('\f'));
    return nonEmpty(lines);
}

QList<PdfWord> pdfWords(const QString &pdfPath, QString *error)
{
    const QString html = runTool(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")},
        error);
    static const QRegularExpression pageRe(QStringLiteral("<page width=\"([0-9.]+)\""));
    static const QRegularExpression wordRe(QStringLiteral(
        "<word xMin=\"([0-9.-]+)\" yMin=\"([0-9.-]+)\" xMax=\"([0-9.-]+)\" yMax=\"([0-9.-]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    double pageWidth = 0;
    for (const QString &line : html.split(QLatin1Char('\n'))) {
        if (const auto m = pageRe.match(line); m.hasMatch())
            pageWidth = m.captured(1).toDouble();
        if (const auto m = wordRe.match(line); m.hasMatch())
            words.append({m.captured(5), m.captured(1).toDouble(), m.captured(3).toDouble(),
                          m.captured(4).toDouble() - m.captured(2).toDouble(), pageWidth});
    }
    return words;
}

int pdfPageCount(const QString &pdfPath)
{
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdfPath}, nullptr);
    const auto match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace orvane::test
