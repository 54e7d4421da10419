#include "RiddleColors.h"

#include <QGuiApplication>
#include <QPalette>

bool IsSystemColor(TColor C) {
    return C < 0;
}

namespace {
struct TSystemShade {
    int index;
    QPalette::ColorRole role;
    QRgb classic; // used when there is no application palette
};

constexpr TSystemShade kSystemShades[] = {
    {scWindow, QPalette::Base, 0xFFFFFF},          {scWindowText, QPalette::Text, 0x000000},
    {scHighlight, QPalette::Highlight, 0x000080},  {scHighlightText, QPalette::HighlightedText, 0xFFFFFF},
    {scBtnFace, QPalette::Button, 0xC0C0C0},       {scBtnShadow, QPalette::Dark, 0x808080},
    {scBtnText, QPalette::ButtonText, 0x000000},   {scBtnHighlight, QPalette::Light, 0xFFFFFF},
    {scInfoText, QPalette::ToolTipText, 0x000000}, {scInfoBk, QPalette::ToolTipBase, 0xFFFFE1},
};

QColor SystemColor(int Index) {
    const bool havePalette = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    TSystemShade shade{Index, QPalette::Window, 0xC0C0C0};
    for (const TSystemShade& s : kSystemShades)
        if (s.index == Index)
            shade = s;
    return havePalette ? QGuiApplication::palette().color(shade.role) : QColor(shade.classic);
}
} // namespace

QColor ToQColor(TColor C) {
    if (IsSystemColor(C))
        return SystemColor(C & 0xFF);
    return QColor(C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF);
}

TColor FromQColor(const QColor& C) {
    return TColor(C.red() | (C.green() << 8) | (C.blue() << 16));
}

TColor MixColors(TColor A, TColor B) {
    QColor x = ToQColor(A), y = ToQColor(B);
    return FromQColor(
        QColor((x.red() + y.red()) >> 1, (x.green() + y.green()) >> 1, (x.blue() + y.blue()) >> 1));
}

const TRiddleColors::Values& TRiddleColors::BackgroundDefaults() {
    static const Values v{clBlack,  clPurple, clWhite,  clLightRed, clWhite, clBtnFace,
                          clSilver, clWhite,  clYellow, clYellow,   clSilver};
    return v;
}

const TRiddleColors::Values& TRiddleColors::TextDefaults() {
    static const Values v{clBlack,  clPurple, clNavy, clNavy, clPurple, clBtnText,
                          clSilver, clBlue,   clNavy, clNavy, clNavy};
    return v;
}

TRiddleColors::TRiddleColors() : base_(BackgroundDefaults()) {
    base_[BlackFail] = clMaroon;
    Recompute();
}

TRiddleColors::TRiddleColors(const Values& Base) : base_(Base) {
    Recompute();
}

void TRiddleColors::SetBase(int Index, TColor Value) {
    if (Index < 0 || Index >= kBaseCount || base_[Index] == Value)
        return;
    base_[Index] = Value;
    if (Index != Fixed)
        Recompute();
    Changed();
}

void TRiddleColors::Assign(const TRiddleColors& Other) {
    SetValues(Other.base_);
}

void TRiddleColors::SetValues(const Values& Colors) {
    base_ = Colors;
    Recompute();
    Changed();
}

void TRiddleColors::Recompute() {
    blackSelected_ = MixColors(base_[Black], clHighlight);
    charSelected_ = MixColors(base_[Char], clHighlight);
    currentWordSel_ = MixColors(base_[CurrentWord], clHighlight);
    failSelected_ = MixColors(base_[Fail], clHighlight);
    graySelected_ = MixColors(base_[Gray], clHighlight);
    helpSelected_ = MixColors(base_[Help], clHighlight);
    keywordSelected_ = MixColors(base_[Keyword], clHighlight);
    markedSelected_ = MixColors(base_[Marked], clHighlight);
    currentWordKeyword_ = MixColors(base_[CurrentWord], base_[Keyword]);
}

void TRiddleColors::Changed() {
    if (OnChange)
        OnChange();
}
