#include "shell/UpdatePrompt.h"

#include "links/modHelp.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"

namespace modHelp {
namespace {

const QString Section = QStringLiteral("Settings");
const QString Key = QStringLiteral("Duration");
constexpr int QuietDays = 14;

bool rememberToday()
{
    return platform::writeSetting(Section, Key, platform::today().toString(Qt::ISODate));
}

} // namespace

void PromptForUpdate()
{
    const std::optional<QString> stored = platform::readSetting(Section, Key);
    if (!stored)
        return;
    if (stored->isEmpty()) {
        rememberToday();
        return;
    }

    // Only a date written exactly as the program writes it is read as one.
    const QDate storedDate = QDate::fromString(*stored, Qt::ISODate);
    if (!storedDate.isValid() || storedDate.toString(Qt::ISODate) != *stored)
        return;
    const qint64 daysAway = platform::today().daysTo(storedDate);
    if (daysAway >= -QuietDays && daysAway <= QuietDays)
        return;

    const platform::MessageAnswer answer =
        platform::showMessage(nullptr,
                              {QStringLiteral("There maybe an update to this software available\r"
                                              "Do you want to check for an update?"),
                               platform::MessageIcon::Information, platform::MessageButtons::YesNo});
    if (!rememberToday())
        return;
    if (answer == platform::MessageAnswer::Yes)
        GoToDownloadWebPage();
}

} // namespace modHelp
