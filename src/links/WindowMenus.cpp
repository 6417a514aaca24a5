#include "links/WindowMenus.h"

#include "links/modHelp.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

QAction* newAction(QWidget* owner, const char* objectName, const QString& caption)
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

QAction* newLinkAction(QWidget* owner, const char* objectName, const QString& caption, void (*linkOperation)())
{
    QAction* action = newAction(owner, objectName, caption);
    QObject::connect(action, &QAction::triggered, owner, linkOperation);
    return action;
}

QAction* newSeparator(QWidget* owner, const char* objectName)
{
    QAction* separator = newAction(owner, objectName, QString());
    separator->setSeparator(true);
    return separator;
}

} // namespace

WindowMenus::WindowMenus(QWidget* owner, const MenuDesign& design)
    : mnuFile(new QMenu(QStringLiteral("&File"), owner))
    , mnuExit(newAction(owner, "mnuExit", QStringLiteral("E&xit")))
    , mnuHelp(new QMenu(QStringLiteral("&Help"), owner))
    , mnuOnline(newLinkAction(owner, "mnuOnline", QStringLiteral("&Online Help"), modHelp::GoToHelpWebPage))
    , mnuVisit(newLinkAction(owner, "mnuVisit", QStringLiteral("&Visit Us Online"), modHelp::GoToHomePage))
    , mnuUpdate(
          newLinkAction(owner, "mnuUpdate", QString::fromLatin1(design.updateCaption), modHelp::GoToDownloadWebPage))
    , mnuAbout(newAction(owner, "mnuAbout", QStringLiteral("&About Software")))
    , mnuMakeMoney(newLinkAction(owner, design.makeMoneyName, QString::fromLatin1(design.makeMoneyCaption),
                                 modHelp::GoToFullyBranded))
{
    mnuFile->setObjectName(QString::fromLatin1(design.fileMenuName));
    mnuFile->addAction(mnuExit);

    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->addActions({mnuOnline, mnuVisit, newSeparator(owner, design.firstSeparatorName), mnuUpdate,
                         newSeparator(owner, design.secondSeparatorName), mnuAbout});

    // The offer stays in the design but is never open to the user.
    mnuMakeMoney->setEnabled(false);
}

QAction* WindowMenus::addFileItem(const char* objectName, const QString& caption)
{
    QAction* item = newAction(mnuFile->parentWidget(), objectName, caption);
    mnuFile->insertAction(mnuExit, item);
    return item;
}

QList<QAction*> WindowMenus::menuBarActions() const
{
    // The make-money entry is left out: in the menu bar its access key, even greyed out, would take
    // turns with the window's own (Alt+O, "&OK") and Alt+O would then only move the focus.
    return {mnuFile->menuAction(), mnuHelp->menuAction()};
}
