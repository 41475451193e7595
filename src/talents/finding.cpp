#include "talents/finding.h"

#include "talents/text_lines.h"

QString findingText(const Finding &finding)
{
    if (finding.weight == Finding::Weight::Folded)
        return finding.message;
    QString text = finding.file;
    if (finding.line > 0)
        text += u':' + QString::number(finding.line);
    text += QStringLiteral(": ");
    if (finding.weight == Finding::Weight::Warning)
        text += QStringLiteral("warning: ");
    // One finding, one line, whatever the message quotes from a broken file.
    QString message = finding.message;
    for (QChar &c : message) {
        if (c.unicode() < 32)
            c = u' ';
    }
    return text + message;
}

Finding findingOfError(const QString &message, const QString &absolutePath, const QString &relative)
{
    Finding finding{relative, 0, message, Finding::Weight::Problem};
    const QString linePrefix = absolutePath + QStringLiteral(", line ");
    if (message.startsWith(linePrefix)) {
        const qsizetype colon = message.indexOf(QStringLiteral(": "), linePrefix.size());
        const auto line =
            colon < 0 ? std::nullopt
                      : parseDecimal(message.mid(linePrefix.size(), colon - linePrefix.size()));
        if (line && *line > 0) {
            finding.line = *line;
            finding.message = message.mid(colon + 2);
            return finding;
        }
    }
    // "Cannot open file <path>: reason" under the path it is about says the path once.
    finding.message.replace(u' ' + absolutePath + u':', QStringLiteral(":"));
    finding.message.replace(absolutePath, relative);
    return finding;
}
