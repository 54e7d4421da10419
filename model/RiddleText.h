#pragma once

// Text helpers of the riddle model and the small utilities the windows share.

#include <QString>

// "mm:ss", minutes not wrapped into hours; Seconds are taken as a 16-bit unsigned value.
QString FormatSolveTime(int Seconds, bool WithUnit);
// Upper case, letters A-Z only, umlauts spelled out (Ä → AE, ß → SS), cut to MaxLength characters.
QString NormalizeWord(const QString& Text, int MaxLength);
QString ReverseText(const QString& Text);
// -1 when A sorts before B, else 1 (equal texts give 1). Versions from "3" on get a "0" in
// front so that "8.04" sorts below "10.00".
int CompareVersions(const QString& A, const QString& B);
