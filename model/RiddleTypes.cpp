#include "RiddleTypes.h"

namespace {
QString Pick(const char* const* texts, int count, int index) {
    return index >= 0 && index < count ? QString::fromUtf8(texts[index]) : QString();
}
} // namespace

QString RiddleTypeName(int type) {
    static const char* const names[] = {
        "Schwedenrätsel",       "Zahlenrätsel",          "Füllrätsel", "Kreuzwortpuzzle",
        "Französisches Rätsel", "Amerikanisches Rätsel", "Suchrätsel", ""};
    return Pick(names, kRiddleTypeCount, type);
}

QString RiddleSkillText(int skill) {
    static const char* const texts[] = {"unbestimmt", "sehr leicht",  "leicht", "recht leicht",
                                        "mittel",     "recht schwer", "schwer", "sehr schwer"};
    return Pick(texts, kRiddleSkillCount, skill);
}

QString SudokuSizeText(int size) {
    static const char* const texts[] = {"klein", "mittel", "groß"};
    return Pick(texts, kSudokuSizeCount, size);
}

QString SudokuSkillText(int skill) {
    static const char* const texts[] = {"unbestimmt", "leicht", "mittelschwer", "schwer", "sehr schwer"};
    return Pick(texts, kSudokuSkillCount, skill);
}

QString LanguageText(int language) {
    static const char* const texts[] = {"keine",       "deutsch",  "englisch",
                                        "französisch", "spanisch", "lateinisch"};
    return Pick(texts, kLanguageCount, language);
}
