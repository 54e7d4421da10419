#pragma once

// Texts in riddle files are single bytes of the Windows-1252 code page. Latin-1 would get
// 0x80 … 0x9F wrong (the euro sign, typographic quotes and dashes live there).

#include <QByteArray>
#include <QString>

QString FromCp1252(const QByteArray& Bytes);
QString FromCp1252(const char* Bytes, qsizetype Length);
// Characters without a Windows-1252 byte become '?'.
QByteArray ToCp1252(const QString& Text);
bool IsCp1252Representable(const QString& Text);
