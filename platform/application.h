#pragma once

// Sets up the running application as the desktop sees it: its name, its menu
// entry, its icon, the default font, and that only the program itself decides
// when it ends (not the last window closing).
void ConfigureApplication();
