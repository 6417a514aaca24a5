#include "widgets/Controls.h"

#include "widgets/CommandButton.h"
#include "widgets/Look.h"

#include <QLabel>
#include <QRadioButton>

namespace controls {

CommandButton* newButton(const char* objectName, const char* caption, QWidget* parent, const QRect& geometry)
{
    auto* button = new CommandButton(QString::fromLatin1(objectName), QString::fromLatin1(caption), parent);
    button->setGeometry(geometry);
    button->setFont(look::verdana(8.25, true));
    look::setButtonColours(button, ButtonFace);
    return button;
}

QLabel* newLabel(const QString& objectName, const QString& text, QWidget* parent, const QRect& geometry,
                 const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setGeometry(geometry);
    label->setFont(font);
    look::setTextColour(label, colour);
    return label;
}

QRadioButton* newOption(const QString& objectName, const QString& caption, QWidget* parent, const QRect& geometry,
                        const QFont& font, const QColor& colour)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(objectName);
    option->setGeometry(geometry);
    option->setFont(font);
    look::setTextColour(option, colour);
    look::setEntryColours(option, White, Qt::black);
    return option;
}

QString withoutOuterSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

void clearOptions(std::initializer_list<QRadioButton*> options)
{
    for (QRadioButton* option : options) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

} // namespace controls
