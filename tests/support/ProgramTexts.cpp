#include "support/ProgramTexts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// The texts lie in a resource of this library, which may be read before the test program's own
// start: tests keep some texts in constants.
static void initTextsResource()
{
    Q_INIT_RESOURCE(texts);
}

namespace texts {
namespace {

const QJsonObject& allTexts()
{
    static const QJsonObject loaded = [] {
        initTextsResource();
        QFile file(QStringLiteral(":/texts.json"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("the program's texts cannot be read");
        return QJsonDocument::fromJson(file.readAll()).object();
    }();
    return loaded;
}

} // namespace

QJsonValue at(const QString& path)
{
    QJsonValue value = allTexts();
    for (const QString& key : path.split(QLatin1Char('.'))) {
        bool isIndex = false;
        const int index = key.toInt(&isIndex);
        value = isIndex ? value.toArray().at(index) : value.toObject().value(key);
        if (value.isUndefined())
            qFatal("no text at %s", qPrintable(path));
    }
    return value;
}

QString text(const QString& path)
{
    return at(path).toString();
}

QStringList list(const QString& path)
{
    QStringList texts;
    for (const QJsonValue& value : at(path).toArray())
        texts.append(value.toString());
    return texts;
}

int number(const QString& path)
{
    return at(path).toInt();
}

} // namespace texts
