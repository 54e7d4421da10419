#pragma once

// Test helpers for the main window's commands: a copy of the test program with a riddle
// appended, started like the player, and an answerer for the modal boxes a command opens.

#include "Hauptformular.h"
#include "RaetselFormular.h"
#include "SudokuRiddle.h"
#include "WordRiddle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace packed {

// A word riddle of Cols × Rows letter cells whose solution reads "ABCD…" row by row.
struct TWordLayout {
    int Cols = 6;
    int Rows = 2;
    TRiddleType Type = rtFrench;
    TRiddleOptions Options = kDefaultRiddleOptions;
    // Cells (column, row) given by the riddle: revealed from the start.
    std::vector<QPoint> Given;
};

inline TWordLayout Layout(int cols, int rows, TRiddleType type = rtFrench) {
    TWordLayout s;
    s.Cols = cols;
    s.Rows = rows;
    s.Type = type;
    return s;
}

inline void WriteWordRiddle(QFile& out, const TWordLayout& s) {
    TWordRiddleData r;
    r.SetRiddleType(s.Type);
    r.SetRiddleCols(s.Cols);
    r.SetRiddleRows(s.Rows);
    for (int c = 1; c <= s.Cols; ++c)
        for (int row = 1; row <= s.Rows; ++row) {
            r.Cell(c, row).SetFlags(cfLetter);
            r.Cell(c, row).SetSolution(uint8_t('A' + ((row - 1) * s.Cols + c - 1) % 26));
        }
    for (const QPoint& g : s.Given) {
        r.Cell(g.x(), g.y()).SetFlags(cfLetter | cfGiven);
        r.Cell(g.x(), g.y()).SetRevealed(true);
    }
    r.SetRiddleOptions(s.Options);
    r.SetState(stReady);
    TStreamWriter w(out);
    WriteRiddleHeader(w, r.ClassName(), QStringLiteral("8.04"));
    r.SaveToStream(out, 90, false);
}

inline void WriteSudoku(QFile& out, bool withGiven) {
    TSudokuRiddleData r;
    r.SetSize(ss6Symbols);
    if (withGiven)
        r.Cell(1, 1).SetFlags(uint16_t(r.Cell(1, 1).Flags() | cfGiven));
    r.SetState(stReady);
    TStreamWriter w(out);
    WriteRiddleHeader(w, r.ClassName(), QStringLiteral("8.04"));
    r.SaveToStream(out, 0, false);
}

class Player {
public:
    explicit Player(const std::function<void(QFile&)>& write) {
        const QString path = dir_.filePath(QStringLiteral("riddle"));
        QFile::copy(QCoreApplication::applicationFilePath(), path);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::ReadWrite));
        out.seek(out.size());
        write(out);
        out.close();
        main_ = std::make_unique<TRMMainForm>(path);
        // Tests decide whether the machine has a printer.
        main_->HasPrinter = [this] { return printer; };
        main_->show();
        QCoreApplication::sendPostedEvents(main_.get());
    }
    explicit Player(const TWordLayout& layout) : Player([layout](QFile& f) { WriteWordRiddle(f, layout); }) {}

    TRMMainForm* main() const { return main_.get(); }
    TRiddleForm* form() const { return qobject_cast<TRiddleForm*>(main_->FindToolWindow(twRiddle)); }
    TGridRiddle* grid() const { return form()->ShownGrid; }
    TWordRiddle* word() const { return form()->WordGrid; }

    // Types one letter into the word grid's cell, the way the solver does.
    void Type(int col, int row, char letter) const {
        word()->MoveCurrent(col, row, false);
        QTest::keyClick(word(), letter);
    }
    int FilledCells() const {
        int n = 0;
        for (int c = 1; c <= word()->Riddle().RiddleCols(); ++c)
            for (int r = 1; r <= word()->Riddle().RiddleRows(); ++r)
                n += word()->Riddle().Cell(c, r).Entry() != 0 ? 1 : 0;
        return n;
    }

    bool printer = false;

private:
    QTemporaryDir dir_;
    std::unique_ptr<TRMMainForm> main_;
};

// What a message box showed before it was answered.
struct TSeenModal {
    QString Text;
    QStringList Buttons;
};

// Answers the next modal window that opens while it lives: a message box by clicking the
// button with the given text, any other dialog through Answer.
class ModalAnswerer {
public:
    explicit ModalAnswerer(const QString& buttonText, std::function<void(QWidget*)> answer = {})
        : buttonText_(buttonText), answer_(std::move(answer)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    const std::vector<TSeenModal>& Seen() const { return seen_; }

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last_)
            return;
        last_ = modal;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            if (answer_)
                answer_(modal);
            return;
        }
        TSeenModal seen{box->text(), {}};
        QAbstractButton* chosen = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            seen.Buttons << b->text();
            if (b->text() == buttonText_)
                chosen = b;
        }
        seen_.push_back(seen);
        if (chosen)
            chosen->click();
    }

    QString buttonText_;
    std::function<void(QWidget*)> answer_;
    QTimer timer_;
    // Cleared when the window is freed, so a new one at the same address still counts.
    QPointer<QWidget> last_;
    std::vector<TSeenModal> seen_;
};

} // namespace packed
