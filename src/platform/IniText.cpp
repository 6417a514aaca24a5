#include "platform/IniText.h"

#include <QList>

namespace platform::ini {
namespace {

bool isSectionLine(const QByteArray& line)
{
    return line.startsWith('[') && line.endsWith(']');
}

QByteArray sectionLine(const QString& section)
{
    return '[' + section.toUtf8() + ']';
}

// The name of a "Key=Value" line, or nothing for any other line.
QByteArray keyOf(const QByteArray& line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || line.startsWith(';') || line.startsWith('#'))
        return QByteArray();
    return line.left(equals).trimmed();
}

struct Place {
    qsizetype sectionLine = -1; // where the section begins
    qsizetype keyLine = -1; // the key's line in it
    qsizetype end = -1; // the line after the section's last line
};

Place find(const QList<QByteArray>& lines, const QString& section, const QString& key)
{
    Place place;
    const QByteArray wantedSection = sectionLine(section);
    const QByteArray wantedKey = key.toUtf8();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (isSectionLine(line)) {
            if (place.sectionLine >= 0)
                return place;
            if (line == wantedSection)
                place.sectionLine = i;
        } else if (place.sectionLine >= 0) {
            if (place.keyLine < 0 && keyOf(line) == wantedKey)
                place.keyLine = i;
            if (!line.isEmpty())
                place.end = i + 1;
        }
    }
    return place;
}

} // namespace

QString value(const QByteArray& text, const QString& section, const QString& key)
{
    const QList<QByteArray> lines = text.split('\n');
    const Place place = find(lines, section, key);
    if (place.keyLine < 0)
        return QString();
    const QByteArray line = lines[place.keyLine].trimmed();
    return QString::fromUtf8(line.mid(line.indexOf('=') + 1).trimmed());
}

QByteArray withValue(const QByteArray& text, const QString& section, const QString& key, const QString& value)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    const QByteArray keyLine = key.toUtf8() + '=' + value.toUtf8();
    const Place place = find(lines, section, key);
    if (place.keyLine >= 0) {
        lines[place.keyLine] = keyLine;
    } else if (place.sectionLine >= 0) {
        lines.insert(std::max(place.end, place.sectionLine + 1), keyLine);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append(sectionLine(section));
        lines.append(keyLine);
    }
    return lines.join('\n') + '\n';
}

} // namespace platform::ini
