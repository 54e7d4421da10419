#include "RiddleColors.h"

#include <QGuiApplication>
#include <QPalette>

bool IsSystemColor(TColor c) {
    return c < 0;
}

namespace {
QColor SystemColor(int index) {
    const bool havePalette = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    const QPalette pal = havePalette ? QGuiApplication::palette() : QPalette();
    switch (index) {
    case scWindow:
        return havePalette ? pal.color(QPalette::Base) : QColor(255, 255, 255);
    case scWindowText:
        return havePalette ? pal.color(QPalette::Text) : QColor(0, 0, 0);
    case scHighlight:
        return havePalette ? pal.color(QPalette::Highlight) : QColor(0, 0, 128);
    case scHighlightText:
        return havePalette ? pal.color(QPalette::HighlightedText) : QColor(255, 255, 255);
    case scBtnFace:
        return havePalette ? pal.color(QPalette::Button) : QColor(192, 192, 192);
    case scBtnShadow:
        return havePalette ? pal.color(QPalette::Dark) : QColor(128, 128, 128);
    case scBtnText:
        return havePalette ? pal.color(QPalette::ButtonText) : QColor(0, 0, 0);
    case scBtnHighlight:
        return havePalette ? pal.color(QPalette::Light) : QColor(255, 255, 255);
    case scInfoText:
        return havePalette ? pal.color(QPalette::ToolTipText) : QColor(0, 0, 0);
    case scInfoBk:
        return havePalette ? pal.color(QPalette::ToolTipBase) : QColor(255, 255, 225);
    default:
        return havePalette ? pal.color(QPalette::Window) : QColor(192, 192, 192);
    }
}
} // namespace

QColor ToQColor(TColor c) {
    if (IsSystemColor(c))
        return SystemColor(c & 0xFF);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

TColor FromQColor(const QColor& c) {
    return TColor(c.red() | (c.green() << 8) | (c.blue() << 16));
}

TColor MixColors(TColor a, TColor b) {
    QColor x = ToQColor(a), y = ToQColor(b);
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

TRiddleColors::TRiddleColors(const Values& base) : base_(base) {
    Recompute();
}

void TRiddleColors::SetBase(int entry, TColor value) {
    if (entry < 0 || entry >= kBaseCount || base_[entry] == value)
        return;
    base_[entry] = value;
    if (entry != Fixed)
        Recompute();
    Changed();
}

void TRiddleColors::Assign(const TRiddleColors& other) {
    SetValues(other.base_);
}

void TRiddleColors::SetValues(const Values& values) {
    base_ = values;
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
