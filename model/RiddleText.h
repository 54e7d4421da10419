#pragma once

// Text helpers of the riddle model and the small utilities the windows share.

#include <QDate>
#include <QString>

// "mm:ss", minutes not wrapped into hours; Seconds are taken as a 16-bit unsigned value.
QString FormatSolveTime(int Seconds, bool WithUnit);
// Upper case, letters A-Z only, umlauts spelled out (Ä → AE, ß → SS), cut to MaxLength characters.
QString NormalizeWord(const QString& Text, int MaxLength);
QString ReverseText(const QString& Text);
// -1 when A sorts before B, else 1 (equal texts give 1). Versions from "3" on get a "0" in
// front so that "8.04" sorts below "10.00".
int CompareVersions(const QString& A, const QString& B);

int CountChar(const QString& Text, QChar Ch, bool IgnoreCase);
QString TrimChar(const QString& Text, QChar Ch);
int YearOf(const QDate& Date);
QString IntToStrZero(int Value, int Digits);
// 0 when equal, 1 when B is greater, 255 when B is smaller.
int CompareReal(double A, double B);

// Bits of the modifier keys as the drag code reads them.
enum TShiftBits { sbShift = 1, sbAlt = 2, sbCtrl = 4 };
int ShiftStateBits(Qt::KeyboardModifiers Modifiers);
