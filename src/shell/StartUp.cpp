#include "shell/StartUp.h"

#include "platform/MessageBox.h"
#include "platform/SingleInstance.h"
#include "shell/EndProgram.h"
#include "shell/UpdatePrompt.h"
#include "shell/frmMDI.h"
#include "widgets/Panels.h"

std::unique_ptr<frmMDI> StartUp(platform::SingleInstanceLock& lock, QuizCatalogue quizzes)
{
    if (lock.anotherCopyIsRunning()) {
        platform::showMessage(nullptr,
                              {QStringLiteral("Application is already running"), platform::MessageIcon::Information});
        EndProgram();
        return nullptr;
    }

    modHelp::PromptForUpdate();

    auto mainWindow = std::make_unique<frmMDI>(std::move(quizzes));
    panels::renewForAssistiveTechnology(mainWindow.get());
    mainWindow->showMaximized();
    return mainWindow;
}
