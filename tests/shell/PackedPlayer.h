#pragma once

// Test helpers for the main window's commands: a copy of the test program with a riddle
// appended, started like the player, and an answerer for the modal boxes a command opens.

#include "FormParts.h"
#include "Hauptformular.h"
#include "RaetselFormular.h"
#include "SudokuRiddle.h"
#include "WordRiddle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
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

inline TWordLayout Layout(int Cols, int Rows, TRiddleType Type = rtFrench) {
    TWordLayout s;
    s.Cols = Cols;
    s.Rows = Rows;
    s.Type = Type;
    return s;
}

inline void WriteWordRiddle(QFile& Out, const TWordLayout& S) {
    TWordRiddleData r;
    r.SetRiddleType(S.Type);
    r.SetRiddleCols(S.Cols);
    r.SetRiddleRows(S.Rows);
    for (int c = 1; c <= S.Cols; ++c)
        for (int row = 1; row <= S.Rows; ++row) {
            r.Cell(c, row).SetFlags(cfLetter);
            r.Cell(c, row).SetSolution(uint8_t('A' + ((row - 1) * S.Cols + c - 1) % 26));
        }
    for (const QPoint& g : S.Given) {
        r.Cell(g.x(), g.y()).SetFlags(cfLetter | cfGiven);
        r.Cell(g.x(), g.y()).SetRevealed(true);
    }
    r.SetRiddleOptions(S.Options);
    r.SetState(stReady);
    TStreamWriter w(Out);
    WriteRiddleHeader(w, r.ClassName(), QStringLiteral("8.04"));
    r.SaveToStream(Out, 90, false);
}

inline void WriteSudoku(QFile& Out, bool WithGiven) {
    TSudokuRiddleData r;
    r.SetSize(ss6Symbols);
    if (WithGiven)
        r.Cell(1, 1).SetFlags(uint16_t(r.Cell(1, 1).Flags() | cfGiven));
    r.SetState(stReady);
    TStreamWriter w(Out);
    WriteRiddleHeader(w, r.ClassName(), QStringLiteral("8.04"));
    r.SaveToStream(Out, 0, false);
}

class Player {
public:
    explicit Player(const std::function<void(QFile&)>& Write) {
        const QString path = dir_.filePath(QStringLiteral("riddle"));
        QFile::copy(QCoreApplication::applicationFilePath(), path);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::ReadWrite));
        out.seek(out.size());
        Write(out);
        out.close();
        main_ = std::make_unique<TRMMainForm>(path);
        // Tests decide whether the machine has a printer.
        main_->SetPrinterQuery([this] { return printer; });
        main_->show();
        QCoreApplication::sendPostedEvents(main_.get());
    }
    explicit Player(const TWordLayout& Layout) : Player([Layout](QFile& F) { WriteWordRiddle(F, Layout); }) {}

    TRMMainForm* main() const { return main_.get(); }
    TRiddleForm* form() const { return qobject_cast<TRiddleForm*>(main_->FindToolWindow(twRiddle)); }
    TGridRiddle* grid() const { return parts::ShownGridOf(form()); }
    TWordRiddle* word() const { return parts::WordGridOf(form()); }

    // Types one letter into the word grid's cell, the way the solver does.
    void Type(int ACol, int ARow, char Letter) const {
        word()->MoveCurrent(ACol, ARow, false);
        QTest::keyClick(word(), Letter);
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

// What the window system shows of the widget now: the pixels last painted into its window,
// after the repaints that are due. A missing repaint leaves old pixels here, which a fresh
// QWidget::grab() would paint over.
inline QImage OnScreen(QWidget* W) {
    QCoreApplication::processEvents();
    QWidget* top = W->window();
    const QPoint at = W->mapTo(top, QPoint(0, 0));
    return top->screen()->grabWindow(top->winId(), at.x(), at.y(), W->width(), W->height()).toImage();
}

// What a message box showed before it was answered.
struct TSeenModal {
    QString Text;
    QStringList Buttons;
};

// Answers the next modal window that opens while it lives: a message box by clicking the
// button with the given text, any other dialog through Answer.
class ModalAnswerer {
public:
    explicit ModalAnswerer(const QString& ButtonText, std::function<void(QWidget*)> Answer = {})
        : buttonText_(ButtonText), answer_(std::move(Answer)) {
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
