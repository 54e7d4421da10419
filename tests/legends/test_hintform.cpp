// The hints window: one at a time, as large as its text, closed by a click or a change of the riddle.

#include "HelpTexts.h"
#include "HinweisDialog.h"
#include "WordRiddle.h"

#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(HintForm, OneAtATimeSizedToItsText) {
    TWordRiddle grid;
    QPointer<THintForm> first =
        THintForm::ShowHintPopup(nullptr, &grid, 300, 300, 0, false, QStringLiteral("W: A"));
    ASSERT_TRUE(first);
    const int oneLine = first->height();
    QPointer<THintForm> second =
        THintForm::ShowHintPopup(nullptr, &grid, 300, 300, 0, false, QStringLiteral("W: A\r\nS: B"));
    EXPECT_EQ(THintForm::Current(), second.data());
    EXPECT_FALSE(first && first->isVisible());
    const QFontMetrics fm = second->Hinweis->fontMetrics();
    const QRect area(0, 0, 1000, 1000);
    EXPECT_EQ(second->height() - oneLine, fm.boundingRect(area, 0, QStringLiteral("W: A\nS: B")).height() -
                                              fm.boundingRect(area, 0, QStringLiteral("W: A")).height());
    EXPECT_EQ(second->geometry().bottom() + 1, 300 - 8);
    EXPECT_FALSE(second->Hinweis->font().bold());
    delete second;
    EXPECT_EQ(THintForm::Current(), nullptr);
}

TEST(HintForm, ClosedByAClickOrAChangeOfTheRiddle) {
    TWordRiddle grid;
    int closed = 0;
    QPointer<THintForm> hint = THintForm::ShowHintPopup(nullptr, &grid, 10, 10, 12, false,
                                                        QStringLiteral("7"), [&closed] { ++closed; });
    EXPECT_TRUE(hint->Hinweis->font().bold());
    EXPECT_EQ(hint->Hinweis->font().pointSize(), 12);
    QTest::mouseClick(hint->Hinweis, Qt::LeftButton);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(THintForm::Current(), nullptr);

    hint = THintForm::ShowHintPopup(nullptr, &grid, 10, 10, 0, true, QStringLiteral("Raetsel1"));
    EXPECT_EQ(hint->TopicKey, QStringLiteral("Raetsel1"));
    EXPECT_EQ(hint->Hinweis->text(), HelpText(QStringLiteral("Raetsel1")));
    EXPECT_EQ(hint->width(), 200);
    grid.Riddle().SetModified(true);
    EXPECT_FALSE(hint && hint->isVisible());
}

TEST(HelpTexts, EachRiddleKeyHasItsOwnText) {
    QSet<QString> texts;
    for (const char* key : {"Raetsel0", "Raetsel1", "Raetsel2"}) {
        const QString text = HelpText(QLatin1String(key));
        EXPECT_FALSE(text.isEmpty()) << key;
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 3);
    EXPECT_TRUE(HelpText(QStringLiteral("Raetsel9")).isEmpty());
}

} // namespace
