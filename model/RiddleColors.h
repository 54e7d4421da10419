#pragma once

// Colours as riddle files store them: 0x00BBGGRR for an RGB colour, or a system colour
// (top bit set, index in the low byte). Never mix them up with QRgb (0xAARRGGBB).

#include <QColor>
#include <array>
#include <cstdint>
#include <functional>

using TColor = int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clPurple = 0x800080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clGray = 0x808080;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clLightRed = 0xAAAAFF;
constexpr TColor clBtnFace = TColor(0x8000000F);
constexpr TColor clBtnText = TColor(0x80000012);
constexpr TColor clHighlight = TColor(0x8000000D);

// System colour indices that the program resolves through the palette.
enum TSystemColor {
    scWindow = 5,
    scWindowText = 8,
    scHighlight = 13,
    scHighlightText = 14,
    scBtnFace = 15,
    scBtnShadow = 16,
    scBtnText = 18,
    scInfoText = 23,
    scInfoBk = 24,
    scBtnHighlight = 20
};

bool IsSystemColor(TColor C);
// Resolves system colours through the application palette (fixed classic shades without one).
QColor ToQColor(TColor C);
TColor FromQColor(const QColor& C);
// Per channel the integer mean of both colours, resolved to RGB.
TColor MixColors(TColor A, TColor B);

class TRiddleColors {
public:
    enum Entry { Black, BlackFail, Char, CurrentWord, Fail, Fixed, Gray, Help, Keyword, Marked, MarkedFail };
    static constexpr int kBaseCount = 11;
    using Values = std::array<TColor, kBaseCount>;

    static const Values& BackgroundDefaults();
    static const Values& TextDefaults();

    // A set on its own starts with the background column, but with a maroon BlackFail.
    TRiddleColors();
    explicit TRiddleColors(const Values& Base);

    TColor Base(int Index) const { return base_[Index]; }
    void SetBase(int Index, TColor Value);
    const Values& BaseValues() const { return base_; }

    TColor Get(Entry E) const { return base_[E]; }
    TColor BlackSelected() const { return blackSelected_; }
    TColor CharSelected() const { return charSelected_; }
    TColor CurrentWordSel() const { return currentWordSel_; }
    TColor FailSelected() const { return failSelected_; }
    TColor GraySelected() const { return graySelected_; }
    TColor HelpSelected() const { return helpSelected_; }
    TColor KeywordSelected() const { return keywordSelected_; }
    TColor MarkedSelected() const { return markedSelected_; }
    TColor CurrentWordKeyword() const { return currentWordKeyword_; }

    // Copies the base entries, recomputes the derived ones and asks the owner to repaint.
    void Assign(const TRiddleColors& Other);
    void SetValues(const Values& Colors);
    // Recomputes the derived entries (the highlight colour may have changed with the palette).
    void Recompute();

    // The owning control repaints through this.
    std::function<void()> OnChange;

private:
    void Changed();
    Values base_{};
    TColor blackSelected_ = 0, charSelected_ = 0, currentWordSel_ = 0, failSelected_ = 0, graySelected_ = 0,
           helpSelected_ = 0, keywordSelected_ = 0, markedSelected_ = 0, currentWordKeyword_ = 0;
};
