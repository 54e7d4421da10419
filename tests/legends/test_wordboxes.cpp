// The typing rules of the word entry boxes.

#include "WordBoxes.h"

#include <gtest/gtest.h>

namespace {

// The boxes as text, '_' for an empty box, so that empty and blank boxes stay apart.
QString Show(const TWordBoxes& Boxes) {
    QString s;
    for (int i = 0; i < Boxes.Count(); ++i)
        s += Boxes.Box(i).isNull() ? QLatin1Char('_') : Boxes.Box(i);
    return s;
}

TEST(WordBoxes, LoadingAndResult) {
    struct Case {
        QString text, boxes, result;
        bool complete;
    } cases[] = {
        {"H  SE", "H  SE", "H  SE", false},
        {"haus", "HAUS", "HAUS", true},
        {"Hä1", QString::fromUtf8("Hä1"), QString::fromUtf8("Hä1"), true},
        {"", "", "", true},
    };
    for (const Case& c : cases) {
        const TWordBoxes boxes(c.text);
        EXPECT_EQ(Show(boxes), c.boxes) << c.text.toStdString();
        EXPECT_EQ(boxes.Text(), c.result) << c.text.toStdString();
        EXPECT_EQ(boxes.Complete(), c.complete) << c.text.toStdString();
        EXPECT_EQ(boxes.Current(), 0);
    }
}

TEST(WordBoxes, Typing) {
    struct Case {
        const char* name;
        int start;
        QString keys;
        QString boxes;
        int current;
    } cases[] = {
        {"lower case letter", 0, "h", "H____", 1},
        {"blank counts as a letter", 1, " ", "_ ___", 2},
        {"last box keeps the cursor", 4, "xy", "____Y", 4},
        {"umlaut spans two boxes", 1, QString::fromUtf8("ä"), "_AE__", 3},
        {"upper umlaut", 0, QString::fromUtf8("Ö"), "OE___", 2},
        {"ue", 2, QString::fromUtf8("ü"), "__UE_", 4},
        {"sharp s", 0, QString::fromUtf8("ß"), "SS___", 2},
        {"umlaut in the last box", 4, QString::fromUtf8("ä"), "____A", 4},
        {"umlaut with no box after the pair", 3, QString::fromUtf8("ä"), "___AE", 3},
        {"digit and punctuation swallowed", 2, "1-.", "_____", 2},
        {"accented letter swallowed", 0, QString::fromUtf8("é"), "_____", 0},
    };
    for (const Case& c : cases) {
        TWordBoxes boxes(QString(5, QChar()));
        boxes.SetCurrent(c.start);
        for (QChar key : c.keys)
            boxes.Type(key);
        EXPECT_EQ(Show(boxes), c.boxes) << c.name;
        EXPECT_EQ(boxes.Current(), c.current) << c.name;
    }
}

TEST(WordBoxes, EditingKeys) {
    // Keys: B Backspace, D Delete, H Home, E End.
    struct Case {
        const char* name;
        int start;
        QString keys, boxes;
        int current;
    } cases[] = {
        {"backspace in the first box does nothing", 0, "B", "HAUSE", 0},
        {"backspace empties the box to the left", 3, "BB", "H__SE", 1},
        {"backspace from the second box empties the first", 1, "BB", "_AUSE", 0},
        {"delete empties the current box", 1, "D", "H_USE", 1},
        {"end then delete empties the last box", 0, "ED", "HAUS_", 4},
        {"home then delete", 3, "HD", "_AUSE", 0},
    };
    for (const Case& c : cases) {
        TWordBoxes boxes(QStringLiteral("HAUSE"));
        boxes.SetCurrent(c.start);
        for (QChar k : c.keys)
            k == 'B' ? boxes.Backspace() : k == 'D' ? boxes.Delete() : k == 'H' ? boxes.Home() : boxes.End();
        EXPECT_EQ(Show(boxes), c.boxes) << c.name;
        EXPECT_EQ(boxes.Current(), c.current) << c.name;
        EXPECT_EQ(boxes.Complete(), !c.boxes.contains('_')) << c.name;
        // An emptied box reads as a blank in the result.
        EXPECT_EQ(boxes.Text(), QString(c.boxes).replace('_', ' ')) << c.name;
    }
}

} // namespace
