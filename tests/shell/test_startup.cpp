// Start-up of the player: finding the appended riddle, choosing the grid, failing with the
// German message, and the frame around the riddle window.

#include "FormParts.h"
#include "Hauptformular.h"
#include "LegendeDialog.h"
#include "MainWindowFit.h"
#include "RaetselFormular.h"
#include "SudokuRiddle.h"
#include "Variables.h"
#include "WordRiddle.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// An executable riddle made of this test program with a riddle file appended.
QString PackRiddle(const QTemporaryDir& Dir, const QString& Name,
                   const std::function<void(QFile&)>& WriteRiddle) {
    const QString path = Dir.filePath(Name);
    QFile::copy(QCoreApplication::applicationFilePath(), path);
    QFile out(path);
    // Not opened for appending: the riddle writer seeks back to fill in section lengths.
    EXPECT_TRUE(out.open(QIODevice::ReadWrite));
    out.seek(out.size());
    WriteRiddle(out);
    return path;
}

void WriteWordRiddle(QFile& Out, bool ReverseWords = false) {
    TWordRiddleData riddle;
    riddle.SetRiddleCols(7);
    riddle.SetRiddleRows(4);
    riddle.SetTitle(QStringLiteral("Probe"));
    riddle.SetRiddleType(rtFrench);
    if (ReverseWords)
        riddle.SetRiddleOptions(TRiddleOptions{roReverseWords, roAllowEdit});
    riddle.SetVersion(QStringLiteral("8.04"));
    TStreamWriter w(Out);
    WriteRiddleHeader(w, riddle.ClassName(), riddle.Version());
    riddle.SaveToStream(Out, 90, false);
}

void WriteSudoku(QFile& Out) {
    TSudokuRiddleData riddle;
    riddle.SetSize(ss6Symbols);
    riddle.SetSkill(skMedium);
    TStreamWriter w(Out);
    WriteRiddleHeader(w, riddle.ClassName(), QStringLiteral("7.10"));
    riddle.SaveToStream(Out, 0, false);
}

// Runs the posted start message of a fresh main window; answers an error box if one appears.
std::unique_ptr<TRMMainForm> Start(const QString& Executable, QString* BoxText = nullptr) {
    auto form = std::make_unique<TRMMainForm>(Executable);
    form->show();
    // Lives only while the start message runs, so it cannot answer a later test's box.
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [BoxText] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (BoxText)
                *BoxText = box->text();
            box->accept();
        }
    });
    answer.start();
    QCoreApplication::sendPostedEvents(form.get());
    return form;
}

TEST(StartUp, WordRiddleGoesIntoWordGrid) {
    QCoreApplication::setApplicationName(QStringLiteral("Quivane"));
    QTemporaryDir dir;
    const QString exe = PackRiddle(dir, QStringLiteral("word"), [](QFile& F) { WriteWordRiddle(F); });
    auto form = Start(exe);
    ASSERT_FALSE(form->LoadFailed());
    ASSERT_TRUE(form->HasRiddleWindow());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Norvik Quivane"));
    auto* riddle = qobject_cast<TRiddleForm*>(form->FindToolWindow(twRiddle));
    EXPECT_EQ(parts::ShownGridOf(riddle), parts::WordGridOf(riddle));
    EXPECT_FALSE(parts::WordGridOf(riddle)->isHidden());
    EXPECT_TRUE(parts::SudokuOf(riddle)->isHidden());
    EXPECT_EQ(parts::WordGridOf(riddle)->Riddle().RiddleCols(), 7);
    EXPECT_EQ(parts::WordGridOf(riddle)->Riddle().RiddleType(), rtFrench);
    EXPECT_EQ(parts::WordGridOf(riddle)->Riddle().Version(), QStringLiteral("8.04"));
    EXPECT_EQ(riddle->windowTitle(), QStringLiteral("Probe"));
    EXPECT_NE(parts::WordGridOf(riddle), nullptr);
    EXPECT_EQ(form->FindToolWindow(twLegend),
              static_cast<QMdiSubWindow*>(parts::ToolOf<TLegendForm>(riddle)));
}

TEST(StartUp, SudokuGoesIntoSudokuGrid) {
    QTemporaryDir dir;
    const QString exe = PackRiddle(dir, QStringLiteral("sudoku"), WriteSudoku);
    auto form = Start(exe);
    ASSERT_FALSE(form->LoadFailed());
    auto* riddle = qobject_cast<TRiddleForm*>(form->FindToolWindow(twRiddle));
    EXPECT_EQ(parts::ShownGridOf(riddle), parts::SudokuOf(riddle));
    EXPECT_TRUE(parts::WordGridOf(riddle)->isHidden());
    EXPECT_EQ(parts::SudokuOf(riddle)->Riddle().Symbols(), 6);
    EXPECT_EQ(parts::SudokuOf(riddle)->Riddle().Version(), QStringLiteral("7.10"));
    EXPECT_EQ(riddle->windowTitle(), QStringLiteral("Sudoku (mittelschwer)"));
    EXPECT_EQ(form->FindToolWindow(twLegend), nullptr);
    // A sudoku's file holds no paint options: it opens without its help shown, which the solver
    // switches on.
    EXPECT_EQ(parts::SudokuOf(riddle)->Riddle().PaintOptions().Raw(),
              (TPaintOptions{poAutoSize, poShowLength, poMarkCurrWord}.Raw()));
    EXPECT_FALSE(parts::Named<QToolButton>(riddle, "SBShowHintGrids")->isChecked());
    EXPECT_FALSE(parts::Named<QToolButton>(riddle, "SBShowFail")->isChecked());
}

TEST(StartUp, ColourSetsAreSharedAfterLoading) {
    QTemporaryDir dir;
    const QString exe = PackRiddle(dir, QStringLiteral("colours"), [](QFile& Out) {
        TWordRiddleData riddle;
        riddle.TextColors().SetBase(TRiddleColors::Fail, 0x123456);
        TStreamWriter w(Out);
        WriteRiddleHeader(w, riddle.ClassName(), QString());
        riddle.SaveToStream(Out, 90, false);
    });
    auto form = Start(exe);
    ASSERT_FALSE(form->LoadFailed());
    ASSERT_NE(RiddleTextColors, nullptr);
    EXPECT_EQ(RiddleTextColors->Get(TRiddleColors::Fail), 0x123456);
}

TEST(StartUp, DamagedRiddlesEndWithTheGermanMessage) {
    struct Case {
        const char* name;
        std::function<void(QFile&)> write;
    };
    const Case cases[] = {
        {"nothing appended", [](QFile&) {}},
        {"truncated cell table",
         [](QFile& Out) {
             QByteArray bytes;
             {
                 QTemporaryDir d;
                 QFile f(d.filePath("r"));
                 f.open(QIODevice::WriteOnly);
                 WriteWordRiddle(f);
                 f.close();
                 f.open(QIODevice::ReadOnly);
                 bytes = f.readAll();
             }
             Out.write(bytes.left(1200));
         }},
        {"unknown class",
         [](QFile& Out) {
             TStreamWriter w(Out);
             WriteRiddleHeader(w, QStringLiteral("PictureRiddle"), QStringLiteral("8.04"));
         }},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString exe = PackRiddle(dir, QStringLiteral("damaged"), c.write);
        QString text;
        auto form = Start(exe, &text);
        EXPECT_TRUE(form->LoadFailed()) << c.name;
        EXPECT_EQ(text, QStringLiteral("Die Rätseldaten konnten nicht geladen werden!")) << c.name;
        EXPECT_EQ(form->HasRiddleWindow(), false) << c.name;
        EXPECT_FALSE(form->isVisible()) << c.name;
    }
}

TEST(StartUp, MissingExecutableFails) {
    QString text;
    auto form = Start(QStringLiteral("/nonexistent/quivane"), &text);
    EXPECT_TRUE(form->LoadFailed());
    EXPECT_FALSE(text.isEmpty());
}

TEST(StartUp, MainWindowFitsItsRiddleAndStaysOnTheScreen) {
    const QRect desktop(0, 0, 1280, 1024), scaled(0, 0, 640, 512);
    const QMargins frame(1, 20, 1, 5);
    struct Case {
        const char* name;
        QRect screen, geometry;
        QSize need;
        bool mayMove;
        QRect fitted;
    } cases[] = {
        {"grows rightwards and downwards in place",
         desktop,
         {305, 290, 670, 484},
         {784, 286},
         false,
         {305, 290, 784, 484}},
        {"never shrinks", desktop, {305, 290, 670, 484}, {300, 200}, false, {305, 290, 670, 484}},
        {"a zoom stops at the screen's edge, with room for the scroll bar below",
         desktop,
         {305, 290, 670, 484},
         {1100, 480},
         false,
         {305, 290, 974, 496}},
        {"a zoom taller than the screen leaves room for the scroll bar beside",
         desktop,
         {305, 290, 670, 484},
         {700, 900},
         false,
         {305, 290, 716, 729}},
        {"at the start a wide riddle moves the window left",
         desktop,
         {305, 290, 784, 484},
         {1084, 491},
         true,
         {195, 290, 1084, 491}},
        {"a scaled screen smaller than the window",
         {0, 0, 640, 512},
         {0, 12, 640, 484},
         {712, 655},
         true,
         {1, 20, 638, 487}},
        {"moved back onto a scaled screen", scaled, {-14, 34, 670, 484}, {412, 534}, true, {1, 20, 638, 487}},
    };
    for (const Case& c : cases) {
        TMainWindowFit fit;
        fit.Screen = c.screen;
        fit.Frame = frame;
        fit.Geometry = c.geometry;
        fit.Need = c.need;
        fit.ScrollBar = 16;
        fit.MayMove = c.mayMove;
        EXPECT_EQ(FittedGeometry(fit), c.fitted) << c.name;
    }
    EXPECT_EQ(StartGeometry({670, 484}, desktop, {}), QRect(305, 270, 670, 484));
    EXPECT_EQ(StartGeometry({670, 484}, scaled, {}), QRect(0, 14, 640, 484));
}

TEST(StartUp, CtrlTogglesReversedDraggingOnlyForReversibleRiddles) {
    for (bool reverse : {false, true}) {
        QTemporaryDir dir;
        const QString exe =
            PackRiddle(dir, QStringLiteral("ctrl"), [reverse](QFile& F) { WriteWordRiddle(F, reverse); });
        auto form = Start(exe);
        ASSERT_FALSE(form->LoadFailed());
        DragReversed = false;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
        QWidget* grid = form->findChild<QWidget*>(QStringLiteral("WordGrid"));
        QApplication::sendEvent(grid, &press);
        EXPECT_EQ(DragReversed, reverse);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
        QApplication::sendEvent(grid, &release);
        EXPECT_FALSE(DragReversed);
    }
}

} // namespace
