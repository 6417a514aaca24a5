#pragma once

namespace modHelp {

// Asks at start-up, at most once a fortnight, whether to look for a newer version, and opens
// the download page when the user agrees. Remembers the date of the first start or of the last
// answer.
void PromptForUpdate();

} // namespace modHelp
