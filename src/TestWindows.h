#pragma once

// Tells the main window how to create the window of each test.
void registerTestWindows();
