#pragma once

// The 16 × 16 flags of the riddle languages (index as the riddle's language: 1 German, 2 English,
// 3 French, 4 Spanish, 5 Latin), on a transparent ground. Language 0 and unknown values have none.

#include <QPixmap>

QPixmap LanguageFlag(int Language);
