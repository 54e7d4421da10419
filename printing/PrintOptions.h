#pragma once

// What the solver chose in the print dialog. Every print starts from these defaults; nothing of
// them is kept between prints. Sizes are in millimetres, as the dialog shows them.

struct TPrintOptions {
    bool Landscape = false;
    // Riddle and legend on one page, else the legend on pages of its own.
    bool OnePage = false;
    // On one page: the legend beside the riddle, else below it.
    bool LegendRight = false;
    // The riddle fills the room the page leaves, else its cells are GridSize wide.
    bool AutoGridSize = false;
    int GridSize = 10;
    // Thin, medium or thick lines (0 … 2).
    int LineWeight = 1;
    int LeftMargin = 20;
    int TopMargin = 20;
    int LegendFontSize = 3;
    int Copies = 1;
};
