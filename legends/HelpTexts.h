#pragma once

// The short help of each riddle kind, shown by the riddle window's help command.

#include <QString>

// The text behind a help key ("Raetsel0", "Raetsel1", "Raetsel2"); empty for an unknown key.
QString HelpText(const QString& Key);
