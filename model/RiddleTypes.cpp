#include "RiddleTypes.h"

namespace {
QString Pick(const char* const* Texts, int Count, int Index) {
    return Index >= 0 && Index < Count ? QString::fromUtf8(Texts[Index]) : QString();
}
} // namespace

QString RiddleTypeName(int Type) {
    static const char* const names[] = {
        "Schwedenrätsel",       "Zahlenrätsel",          "Füllrätsel", "Kreuzwortpuzzle",
        "Französisches Rätsel", "Amerikanisches Rätsel", "Suchrätsel", ""};
    return Pick(names, kRiddleTypeCount, Type);
}

QString RiddleSkillText(int Skill) {
    static const char* const texts[] = {"unbestimmt", "sehr leicht",  "leicht", "recht leicht",
                                        "mittel",     "recht schwer", "schwer", "sehr schwer"};
    return Pick(texts, kRiddleSkillCount, Skill);
}

QString SudokuSizeText(int Size) {
    static const char* const texts[] = {"klein", "mittel", "groß"};
    return Pick(texts, kSudokuSizeCount, Size);
}

QString SudokuSkillText(int Skill) {
    static const char* const texts[] = {"unbestimmt", "leicht", "mittelschwer", "schwer", "sehr schwer"};
    return Pick(texts, kSudokuSkillCount, Skill);
}

QString LanguageText(int Language) {
    static const char* const texts[] = {"keine",       "deutsch",  "englisch",
                                        "französisch", "spanisch", "lateinisch"};
    return Pick(texts, kLanguageCount, Language);
}
