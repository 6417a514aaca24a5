#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringList>

// What the program must show, as tests/support/texts.json writes it down: a copy of the program's
// texts made from its design, independent of the program's source, that every test reads (the
// Python checks too). A path names a value by its keys and indexes: "messages.enterYourName",
// "brain.questions.3.first". A path that names nothing ends the test program at once.
namespace texts {

QJsonValue at(const QString& path);
QString text(const QString& path);
QStringList list(const QString& path);
int number(const QString& path);

} // namespace texts
