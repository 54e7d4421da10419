#include "LoesungDialog.h"

#include "CellSpeech.h"
#include "DrawGrid.h"
#include "KeywordBoxes.h"
#include "RiddleDrawTools.h"
#include "WordRiddle.h"

#include <QKeyEvent>

namespace {
// The boxes sit in a panel with a border of four pixels.
constexpr int kBoxesLeft = 4;
constexpr int kCaptionLength = 101;

// The row of boxes: it paints the solution word's letters and hands the window the keys.
class TKeywordGrid : public TDrawGrid {
public:
    TKeywordGrid(TLoesungForm* Form, QWidget* Parent) : TDrawGrid(Parent), form_(Form) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setFocusPolicy(Qt::ClickFocus);
        SetRowCount(1);
        SetGridLineWidth(1);
    }

    QString AccessibleCellName(int ACol, int) const override {
        const TWordRiddle* grid = form_->WordGrid();
        return grid ? KeywordBoxName(grid->Riddle(), ACol) : QString();
    }

protected:
    void DrawCell(QPainter& Painter, int ACol, int, const QRect& Rect, int) override;
    QColor GridLineColor() const override { return Qt::black; }
    void keyPressEvent(QKeyEvent* Event) override {
        const bool command = Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        const QString text = Event->text();
        if (!command && (form_->GridKeywordKeyDown(Event->key()) ||
                         (text.size() == 1 && form_->GridKeywordKeyPress(text[0])))) {
            Event->accept();
            return;
        }
        TDrawGrid::keyPressEvent(Event);
    }

private:
    TLoesungForm* form_;
};

void TKeywordGrid::DrawCell(QPainter& Painter, int ACol, int, const QRect& Rect, int) {
    TWordRiddle* grid = form_->WordGrid();
    if (!grid)
        return;
    const TWordRiddleData& riddle = grid->Riddle();
    const TRiddleColors& bg = riddle.BackgroundColors();
    const TRiddleColors& tx = riddle.TextColors();
    const bool current = hasFocus() && ACol == Col();
    Painter.fillRect(Rect, ToQColor(current ? bg.KeywordSelected() : bg.Get(TRiddleColors::Keyword)));
    const TCellFonts& fonts = grid->Fonts();
    if (riddle.RiddleOptions().Contains(roEnumKeywordChars)) {
        const int height = fonts.NumberMetrics().height();
        Painter.setFont(fonts.NumberFont);
        Painter.setPen(Qt::black);
        Painter.drawText(QRect(Rect.left() + 1, Rect.bottom() + 1 - height, Rect.width(), height),
                         Qt::AlignLeft | Qt::AlignTop, QString::number(ACol + 1));
    }
    const QString& word = riddle.Keyword().Word();
    const QChar solution = ACol < word.size() ? word[ACol] : QLatin1Char(' ');
    const QChar typed = KeywordLetter(riddle.Keyword(), ACol);
    const TDisplayMode mode = riddle.DisplayMode();
    const QChar letter = mode == dmSolving ? typed : solution;
    TColor colour = tx.Get(TRiddleColors::Keyword);
    if (typed != solution) {
        if (mode != dmSolving)
            colour = tx.Get(TRiddleColors::Help);
        else if (riddle.PaintOptions().Contains(poShowFail))
            colour = tx.Get(TRiddleColors::Fail);
    }
    if (letter != QLatin1Char(' ') && !letter.isNull()) {
        Painter.setFont(fonts.LetterFont(Rect.height()));
        Painter.setPen(ToQColor(colour));
        Painter.drawText(Rect, Qt::AlignCenter | Qt::TextSingleLine, QString(letter));
    }
    // The boxes run across: the cursor carries the arrow to the right.
    if (current)
        DrawCursorFrame(Painter, Rect, 1, true);
}
} // namespace

TLoesungForm::TLoesungForm(QObject* Owner, TWordRiddle* Grid) : TRiddleSupportForm(Owner, Grid) {
    setObjectName(QStringLiteral("LoesungForm"));
    setWindowTitle(QStringLiteral("Umschreibung der Lösung:"));
    setSystemMenu(nullptr);
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    content_ = new QWidget;
    GridKeyword = new TKeywordGrid(this, content_);
    GridKeyword->setObjectName(QStringLiteral("GridKeyword"));
    const QString hint = QStringLiteral("Das gesuchte Lösungswort");
    GridKeyword->setToolTip(hint);
    GridKeyword->setStatusTip(hint);
    GridKeyword->setAccessibleName(hint);
    setWidget(content_);
    if (Grid) {
        // Display mode, marking of wrong letters, colours, and the solver's text after an undo.
        Listen(&Grid->Riddle(), &TRiddleData::Invalidated, [this] { RepaintBoxes(); });
        Listen(&Grid->Riddle(), &TRiddleData::OnChange, [this](TObject*) { RepaintBoxes(); });
    }
    LayoutBoxes();
}

TWordRiddle* TLoesungForm::WordGrid() const {
    return qobject_cast<TWordRiddle*>(Grid());
}

void TLoesungForm::FormShow() {
    LayoutBoxes();
    if (const TWordRiddle* grid = WordGrid()) {
        const QString caption = grid->Riddle().Keyword().ClueText() + QLatin1Char(':');
        setWindowTitle(caption.left(kCaptionLength));
        setAccessibleName(windowTitle());
    }
    KeepInsideMainWindow();
    RepaintBoxes();
}

void TLoesungForm::LayoutBoxes() {
    const TWordRiddle* grid = WordGrid();
    const int box = grid ? grid->Riddle().GridSize() : 30;
    const int count = grid ? int(grid->Riddle().Keyword().Word().size()) : 0;
    GridKeyword->SetColCount(count);
    GridKeyword->SetDefaultColWidth(box);
    GridKeyword->SetDefaultRowHeight(box);
    if (GridKeyword->Col() >= count)
        GridKeyword->SetCurrentSilently(qMax(0, count - 1), 0);
    // One box and its line each; the line after the last box is the frame.
    const QSize client(qMax(0, count * (box + 1) - 1), box + 1);
    const QSize outer = client + QSize(2, 2);
    GridKeyword->setGeometry(QRect(QPoint(kBoxesLeft, kBoxesLeft), outer));
    content_->setFixedSize(client.width() + 10, outer.height() + 2 * kBoxesLeft);
    adjustSize();
}

void TLoesungForm::RepaintBoxes() {
    GridKeyword->InvalidateGrid();
}

bool TLoesungForm::GridKeywordKeyDown(int Key) {
    TWordRiddle* grid = WordGrid();
    if (!grid || (Key != Qt::Key_Delete && Key != Qt::Key_Backspace))
        return false;
    TKeywordBoxes boxes(grid->Riddle().Keyword(), GridKeyword->Col());
    if (Key == Qt::Key_Delete)
        boxes.Delete();
    else
        boxes.Backspace();
    GridKeyword->MoveCurrent(boxes.Current(), 0, false);
    RepaintBoxes();
    return true;
}

bool TLoesungForm::GridKeywordKeyPress(QChar Key) {
    TWordRiddle* grid = WordGrid();
    if (!grid)
        return false;
    TKeywordBoxes boxes(grid->Riddle().Keyword(), GridKeyword->Col());
    if (!boxes.Type(Key))
        return false;
    GridKeyword->MoveCurrent(boxes.Current(), 0, false);
    RepaintBoxes();
    return true;
}
