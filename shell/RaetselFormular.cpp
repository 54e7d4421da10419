#include "RaetselFormular.h"

#include "ColorUtils.h"
#include "EmbeddedRiddle.h"
#include "GradientPanel.h"
#include "Hauptformular.h"
#include "SudokuRiddle.h"
#include "Variables.h"
#include "WordRiddle.h"

#include <QCloseEvent>
#include <QFile>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
constexpr int kToolbarHeight = 30;
}

TRiddleForm::TRiddleForm(TRMMainForm* owner, const QString& ExecutablePath) : owner_(owner) {
    setObjectName(QStringLiteral("RiddleForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);

    content_ = new QWidget;
    auto* layout = new QVBoxLayout(content_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolbar_ = new TGradientPanel;
    toolbar_->setObjectName(QStringLiteral("Toolbar"));
    toolbar_->setFixedHeight(kToolbarHeight);
    toolbar_->SetEndColor(DarkenColor(palette().color(QPalette::Button), 0.7));
    layout->addWidget(toolbar_);
    scrollBox_ = new QScrollArea;
    scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox_->setFrameShape(QFrame::NoFrame);
    auto* gridHolder = new QWidget;
    WordGrid = new TWordRiddle(gridHolder);
    WordGrid->setObjectName(QStringLiteral("WordGrid"));
    Sudoku = new TSudokuRiddle(gridHolder);
    Sudoku->setObjectName(QStringLiteral("Sudoku"));
    for (TGridRiddle* grid : {static_cast<TGridRiddle*>(WordGrid), static_cast<TGridRiddle*>(Sudoku)}) {
        grid->move(0, 0);
        grid->hide();
        grid->Riddle().SetPaintOptions(
            TPaintOptions{poAutoSize, poShowLength, poShowFail, poShowHintGrids, poMarkCurrWord});
    }
    Sudoku->SetHelpFlags(THelpFlags{});
    scrollBox_->setWidget(gridHolder);
    layout->addWidget(scrollBox_, 1);
    setWidget(content_);
    resize(491, 345);

    LoadFailed = LoadEmbeddedRiddle(ExecutablePath) != 0;
    if (!LoadFailed)
        owner_->SetDisplayMode(ShownGrid->Riddle().DisplayMode());
    owner_->RiddleWindow = this;
}

uint8_t TRiddleForm::LoadEmbeddedRiddle(const QString& ExecutablePath) {
    QFile file(ExecutablePath);
    if (!file.exists())
        return rfFileMissing;
    if (!file.open(QIODevice::ReadOnly))
        return rfHeaderError;
    TRiddleHeader header;
    uint8_t result = LocateEmbeddedRiddle(file, header);
    if (result != rfOk)
        return result;
    TGridRiddle* grid = nullptr;
    if (header.ClassName == "WordRiddle")
        grid = WordGrid;
    else if (header.ClassName == "SudokuRiddle")
        grid = Sudoku;
    else
        return rfWrongFormat;
    grid->Riddle().SetVersion(header.Version);
    result = grid->Riddle().LoadFromStream(file, false);
    if (result != rfOk)
        return result;
    ShownGrid = grid;
    RiddleBackgroundColors->Assign(grid->Riddle().BackgroundColors());
    RiddleTextColors->Assign(grid->Riddle().TextColors());
    const bool sudoku = grid->Riddle().RiddleType() == rtSudoku;
    WordGrid->setVisible(!sudoku);
    Sudoku->setVisible(sudoku);
    grid->AdjustClientSize();
    return rfOk;
}

void TRiddleForm::FitToGrid() {
    if (!ShownGrid)
        return;
    scrollBox_->widget()->resize(ShownGrid->size());
    content_->setFixedSize(ShownGrid->width(), ShownGrid->height() + toolbar_->height());
    adjustSize();
}

void TRiddleForm::UpdateStopwatch(bool) {
    // The stopwatch window joins the riddle window in a later step of the player; until then
    // there is nothing to refresh.
}

void TRiddleForm::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (LoadFailed)
        return;
    FitToGrid();
    setWindowTitle(RiddleDescription(ShownGrid->Riddle()));
}

void TRiddleForm::closeEvent(QCloseEvent* event) {
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted() && owner_) {
        owner_->RiddleWindow = nullptr;
        owner_->close();
    }
}
