#pragma once

// Hides every window and leaves the event loop; main() then returns and the
// windows are destroyed. Nothing is saved.
void EndEventLoop();
