#pragma once

// The print dialog: page layout, cell size, line weight, margins, legend font, printer and
// copies. A word riddle gets every group; a sudoku, which prints its grid alone, gets no layout
// group and no legend font.

#include "PrintOptions.h"

#include <QDialog>
#include <QPrinter>
#include <array>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QToolButton;
class QPushButton;
class TGradientPanel;
class TLayoutPicture;

class TPrintDlg : public QDialog {
    Q_OBJECT
public:
    TPrintDlg(QWidget* Parent, bool Sudoku);

    TPrintOptions Options() const;
    // The printer chosen in the list, with the set-up the solver gave it.
    QPrinter& Printer() { return printer_; }

    // Handlers: the layout pictures and the legend position follow orientation and composition;
    // the cell size box follows the size choice; the chosen printer becomes the one in use.
    void FormShow();
    void RBPortraitClick();
    void RBOnePageChange();
    void ImgOnePageLandscapeRClick();
    void ImgTwoPagesLandscapeClick();
    void RBManGridSizeClick();
    void ComboDruckerChange();
    void SBSetupPrinterClick();
    // Enter and Escape in a spin box answer the dialog, as far as the buttons allow.
    bool SpinLMarginKeyPress(int Key);

    TGradientPanel* Verlauf = nullptr;
    QGroupBox* GBLayout = nullptr;
    QRadioButton* RBPortrait = nullptr;
    QRadioButton* RBLandscape = nullptr;
    QRadioButton* RBOnePage = nullptr;
    QRadioButton* RBTwoPages = nullptr;
    QRadioButton* RBLegendRight = nullptr;
    QRadioButton* RBLegendBottom = nullptr;
    // Portrait and landscape, each with the legend right and below.
    TLayoutPicture* ImgOnePagePortraitR = nullptr;
    TLayoutPicture* ImgOnePagePortraitB = nullptr;
    TLayoutPicture* ImgOnePageLandscapeR = nullptr;
    TLayoutPicture* ImgOnePageLandscapeB = nullptr;
    TLayoutPicture* ImgTwoPagesPortrait = nullptr;
    TLayoutPicture* ImgTwoPagesLandscape = nullptr;
    QGroupBox* GBSize = nullptr;
    QRadioButton* RBAutoGridSize = nullptr;
    QRadioButton* RBManGridSize = nullptr;
    QSpinBox* SEGridSize = nullptr;
    QLabel* LblGridSizeMM = nullptr;
    QGroupBox* RGLines = nullptr;
    QGroupBox* GBMargins = nullptr;
    QSpinBox* SpinLMargin = nullptr;
    QSpinBox* SpinTMargin = nullptr;
    QLabel* LblLegFontSize = nullptr;
    QSpinBox* SELegFontSize = nullptr;
    QLabel* LblLegFontSizeMM = nullptr;
    QWidget* PanelPrinter = nullptr;
    QComboBox* ComboDrucker = nullptr;
    QToolButton* SBSetupPrinter = nullptr;
    QSpinBox* SENumCopies = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

protected:
    void showEvent(QShowEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void CreateLayoutGroup();
    void CreateSizeGroup();
    void CreateLinesGroup();
    void CreateMarginsGroup();
    void CreatePrinterPanel();
    void Arrange(bool Sudoku);

    QButtonGroup* lineWeights_ = nullptr;
    QPrinter printer_{QPrinter::HighResolution};
};
