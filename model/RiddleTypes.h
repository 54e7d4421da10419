#pragma once

// The vocabulary of riddles: enumerations, option sets and their German display texts.
// Every enumeration is stored as one byte holding its ordinal; every option set as a bit set
// (bit k = member with ordinal k).

#include <QString>
#include <cstdint>
#include <type_traits>

enum TRiddleType : uint8_t {
    rtSwedish,
    rtNumbers,
    rtFillup,
    rtPuzzle,
    rtFrench,
    rtAmerican,
    rtFindWords,
    rtSudoku
};
constexpr int kRiddleTypeCount = 8;

enum TRiddleState : uint8_t { stNone, stNew, stReady, stPartial, stEditing, stWrongChars, stSolved };
constexpr int kRiddleStateCount = 7;

enum TRiddleOption : uint8_t {
    roHasKeyword,
    roEnumKeywordChars,
    roReverseWords,
    roHasImage,
    roCountTime,
    roAllowEdit
};
enum TPaintOption : uint8_t { poAutoSize, poShowLength, poShowFail, poShowHintGrids, poMarkCurrWord };
enum THelpFlag : uint8_t { hfShowFail, hfAutoFill, hfShowRiddle };
enum TImageOption : uint8_t { ioFitHorizontal, ioFitVertical, ioGrayScale };
enum TRiddleCreateOption : uint8_t {
    coNoDoubles,
    coNoSingles,
    coSortNumbers,
    coRandomDescription,
    coUseWordList,
    coUseDictionary,
    coWordlistKeyword,
    coDictionaryKeyword,
    coManualKeyword,
    coAutoSize
};
enum TWordDirection : uint8_t { wdNone, wdHorizontal, wdVertical };
// One step along a word in its direction.
constexpr int StepCol(TWordDirection D) {
    return D == wdHorizontal ? 1 : 0;
}
constexpr int StepRow(TWordDirection D) {
    return D == wdVertical ? 1 : 0;
}
enum TRiddleSkill : uint8_t { rsNone, rsEasiest, rsEasier, rsEasy, rsMedium, rsHard, rsHarder, rsHardest };
constexpr int kRiddleSkillCount = 8;
enum TSudokuSize : uint8_t { ss6Symbols, ss9Symbols, ss12Symbols };
constexpr int kSudokuSizeCount = 3;
enum TSudokuSkill : uint8_t { skNone, skEasy, skMedium, skHard, skExpert };
constexpr int kSudokuSkillCount = 5;
enum TRiddleChangeType : uint8_t { ctProgress, ctDefinition };
// How a grid shows its riddle: to be solved, with the solution, or to be edited. The player
// itself only solves and shows the solution, yet every command rule considers all three.
enum TDisplayMode : uint8_t { dmSolving, dmSolution, dmEditing };
enum TInputError : uint8_t { ieNotPossible, ieWrongLetter };

// A set of enumeration members held as the bits of an unsigned integer, the way it is stored.
template <typename E, typename Bits = uint8_t> class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> Members) {
        for (E m : Members)
            bits_ |= bit(m);
    }
    static constexpr TSet FromBits(Bits Raw) {
        TSet s;
        s.bits_ = Raw;
        return s;
    }
    constexpr Bits Raw() const { return bits_; }
    constexpr bool Contains(E M) const { return (bits_ & bit(M)) != 0; }
    constexpr TSet With(E M) const { return FromBits(Bits(bits_ | bit(M))); }
    constexpr TSet Without(E M) const { return FromBits(Bits(bits_ & ~bit(M))); }
    constexpr TSet Toggled(E M, bool On) const { return On ? With(M) : Without(M); }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr Bits bit(E M) { return Bits(Bits(1) << static_cast<unsigned>(M)); }
    Bits bits_ = 0;
};

using TRiddleOptions = TSet<TRiddleOption>;
using TPaintOptions = TSet<TPaintOption>;
using THelpFlags = TSet<THelpFlag>;
using TImageOptions = TSet<TImageOption>;
using TRiddleCreateOptions = TSet<TRiddleCreateOption, uint16_t>;
using TRiddleChangeTypes = TSet<TRiddleChangeType>;

inline constexpr TRiddleOptions kDefaultRiddleOptions{roAllowEdit};
inline constexpr TPaintOptions kDefaultPaintOptions{poShowLength, poShowFail, poShowHintGrids,
                                                    poMarkCurrWord};
inline constexpr THelpFlags kDefaultHelpFlags{hfShowFail, hfAutoFill, hfShowRiddle};
inline constexpr TRiddleCreateOptions kDefaultCreateOptions{coNoDoubles, coNoSingles, coSortNumbers,
                                                            coRandomDescription};

inline constexpr TRiddleChangeTypes kChangeProgress{ctProgress};
inline constexpr TRiddleChangeTypes kChangeDefinition{ctDefinition};
inline constexpr TRiddleChangeTypes kChangeBoth{ctProgress, ctDefinition};

// The step names that accompany a change announcement; the undo command shows them.
namespace ChangeText {
inline const char* const EnterLetter = "Buchstaben eingeben";
inline const char* const ChangeMark = "Markierung ändern";
inline const char* const ChangeCell = "Rätselfeld ändern";
inline const char* const EnterSymbol = "Symbol eingeben";
inline const char* const ChangeNote = "Notiz ändern";
inline const char* const ChangeKeyword = "Lösungswort ändern";
inline const char* const ChangeLegend = "Legende ändern";
inline const char* const MarkLegendEntry = "Legendeneintrag markieren";
inline const char* const EnterWord = "Begriff eintragen";
inline const char* const ChangeHelpOptions = "Hilfeoptionen ändern";
inline const char* const ChangeRiddleType = "Rätseltyp ändern";
inline const char* const ChangePicture = "Bild ändern";
inline const char* const EditRiddle = "Rätsel bearbeiten";
} // namespace ChangeText

// Display texts; out-of-range values give an empty text.
QString RiddleTypeName(int Type);
QString RiddleSkillText(int Skill);
QString SudokuSizeText(int Size);
QString SudokuSkillText(int Skill);
QString LanguageText(int Language);
constexpr int kLanguageCount = 6;

// Flags of a cell (word riddles use them all, a sudoku only cfGiven).
enum TCellFlag : uint16_t {
    cfBlack = 0x0001,
    cfPicture = 0x0004,
    cfUserBlack = 0x0008,
    cfGiven = 0x0010,
    cfLetter = 0x0020,
    cfKeyword = 0x0040,
    cfStartAcross = 0x0080,
    cfStartDown = 0x0100,
    cfEndAcross = 0x0200,
    cfEndDown = 0x0400
};

// A cell's ClueFlags is a set of TWordDirection: bit 1 across, bit 2 down.
constexpr uint8_t kClueAcross = 1 << 1;
constexpr uint8_t kClueDown = 1 << 2;

// Every object that can be the sender of a riddle event.
class TObject {
public:
    virtual ~TObject() = default;
};
