#pragma once

// Every window of the player uses the classic dialog font, "MS Sans Serif" at 11 pixels, drawn
// with its metric-compatible free face. Installed once for the whole application.

void InstallWindowFont();
