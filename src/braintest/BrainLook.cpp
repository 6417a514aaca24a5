#include "braintest/BrainLook.h"

#include "links/CommandButton.h"
#include "links/Look.h"

#include <QLabel>
#include <QRadioButton>

namespace brainlook {

namespace {
const QColor DisabledText(160, 150, 140);
}

QRect twips(int left, int top, int width, int height)
{
    return QRect(look::px(left), look::px(top), look::px(width), look::px(height));
}

CommandButton* newButton(const char* objectName, const char* caption, QWidget* parent, const QRect& geometry)
{
    auto* button = new CommandButton(QString::fromLatin1(objectName), QString::fromLatin1(caption), parent);
    button->setGeometry(geometry);
    button->setFont(look::verdana(8.25, true));
    look::setButtonColours(button, ButtonFace);
    // A disabled button must look it.
    QPalette palette = button->palette();
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, DisabledText);
    button->setPalette(palette);
    return button;
}

QLabel* newLabel(const char* objectName, const QString& text, QWidget* parent, const QRect& geometry,
                 const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setGeometry(geometry);
    label->setFont(font);
    look::setTextColour(label, colour);
    return label;
}

QRadioButton* newOption(const char* objectName, const QString& caption, QWidget* parent, const QRect& geometry,
                        const QColor& colour)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QString::fromLatin1(objectName));
    option->setGeometry(geometry);
    option->setFont(look::verdana(9, true));
    look::setTextColour(option, colour);
    return option;
}

void clearOptions(QRadioButton* first, QRadioButton* second)
{
    for (QRadioButton* option : {first, second}) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

} // namespace brainlook
