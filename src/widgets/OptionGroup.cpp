#include "widgets/OptionGroup.h"

#include "widgets/Announcer.h"

#include <QAbstractButton>

OptionGroup::OptionGroup(const QRect& geometry, QWidget* parent)
    : QGroupBox(parent)
    , m_announcer(new Announcer(parent))
{
    setFlat(true);
    setGeometry(geometry);
    setFocusPolicy(Qt::NoFocus);
}

void OptionGroup::askQuestion(const QString& question, bool focusCameHere, Captions captions)
{
    setAccessibleName(question);
    if (focusCameHere || !isVisible())
        return;
    if (captions == Captions::Unspoken) {
        m_announcer->announce(question);
        return;
    }
    QStringList texts;
    for (const QAbstractButton* option : findChildren<QAbstractButton*>())
        texts.append(option->text().remove(QLatin1Char('&')));
    m_announcer->announce(question + QLatin1Char(' ') + texts.join(QStringLiteral(", ")));
}

void OptionGroup::paintEvent(QPaintEvent*)
{
}
