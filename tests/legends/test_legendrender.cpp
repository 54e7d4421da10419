// The clue legend on paper, laid out with a font whose every character is 10 units wide and
// whose lines are 30 units high (so a legend line is 34), to give hand-computed positions.

#include "LegendRenderer.h"

#include <QImage>
#include <gtest/gtest.h>
#include <string>

namespace {
const TLegendMetrics kMetrics{[](const QString& Text) { return 10 * int(Text.size()); }, 30};

TLegendRow Row(int Number, const char* Text, bool Solved = false) {
    TLegendRow row;
    row.Data.ClueNumber = Number;
    row.Data.ClueText = QString::fromUtf8(Text);
    row.Solved = Solved;
    row.Hidden = Solved;
    return row;
}

std::vector<TLegendRow> Rows(int Count) {
    std::vector<TLegendRow> rows;
    for (int i = 1; i <= Count; ++i)
        rows.push_back(Row(i, "Text"));
    return rows;
}

// Across: "1 Gebäude", "5 Benutzer"; down: "1 Übermut", "2 franz. eine", "3 Serie".
TLegendRenderer Swedish() {
    TLegendLists lists;
    lists.TwoLists = true;
    lists.Across = {Row(1, "Gebäude"), Row(5, "Benutzer")};
    lists.Down = {Row(1, "Übermut"), Row(2, "franz. eine", true), Row(3, "Serie")};
    return TLegendRenderer(lists, LegendColumns(rtSwedish), clBlack);
}

TLegendRenderer Long(bool TwoLists, int Across, int Down, TRiddleType Type = rtSwedish) {
    TLegendLists lists;
    lists.TwoLists = TwoLists;
    lists.Across = Rows(Across);
    lists.Down = Rows(Down);
    return TLegendRenderer(lists, LegendColumns(Type), clBlack);
}
} // namespace

TEST(LegendRender, ColumnsAndSizes) {
    // Number column: "5" (10) + 24 + box 30 + 4 = 68. Across text "Benutzer" 80 + 24 = 104, down
    // "franz. eine" 110 + 24 = 134. Heights: (rows + 2) × 34.
    const TLegendRenderer swedish = Swedish();
    const std::array<int, 7> across{0, 0, 0, 68, 68, 68, 172};
    const std::array<int, 7> down{0, 0, 0, 68, 68, 68, 202};
    EXPECT_EQ(swedish.ColumnPositions(kMetrics, true), across);
    EXPECT_EQ(swedish.ColumnPositions(kMetrics, false), down);

    struct Case {
        const char* name;
        TLegendRenderer legend;
        bool stacked;
        QSize size;
    };
    TLegendLists empty;
    empty.Down = {Row(0, ""), Row(0, "")};
    const Case cases[] = {
        {"stacked: the wider list, both heights and the gap", Swedish(), true, QSize(202, 170 + 136 + 20)},
        {"side by side: both widths and the gap, the higher list", Swedish(), false,
         QSize(202 + 172 + 20, 170)},
        // A one-list riddle ignores any across rows.
        {"one list", Long(false, 5, 3, rtFillup), false, QSize(40 + 24 + 34, 5 * 34)},
        {"a shown column of empty texts keeps its extras",
         TLegendRenderer(empty, LegendColumns(rtFillup), clBlack), true, QSize(24 + 34, 4 * 34)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.legend.MeasureLegend(kMetrics, c.stacked), c.size) << c.name;
}

TEST(LegendRender, PlacesHeadingsAndRowsOnPages) {
    // Pages 2000 × 1000 with margins 100: a line of 34 fits while its bottom (T + n × 34 + 33)
    // stays within 900, so lines 0 … 22 of a page are used.
    struct Placed {
        int page;
        bool heading;
        bool upper;
        int row;
        int x, y;
    };
    struct Case {
        const char* name;
        TLegendRenderer legend;
        std::vector<Placed> expected;
        int height = 1000;
    };
    const Case cases[] = {
        {"two short lists side by side on page 1: the lower one at L + wU + L",
         Swedish(),
         {{1, true, true, -1, 101, 101},
          {1, false, true, 0, 100, 168},
          {1, false, true, 1, 100, 202},
          {1, true, false, -1, 100 + 172 + 100 + 1, 100},
          {1, false, false, 0, 372, 168},
          {1, false, false, 1, 372, 202},
          {1, false, false, 2, 372, 236}}},
        {"one list starts at 2 L",
         Long(false, 0, 1, rtFillup),
         {{1, true, false, -1, 201, 100}, {1, false, false, 0, 200, 168}}},
        // 21 across rows fill lines 2 … 22; rows 21 … 29 go on lines 0 … 8 of page 2; two lines
        // later the down list follows below, at x = L.
        {"a long list breaks without a heading; the next list follows below",
         Long(true, 30, 1),
         {{1, false, true, 20, 100, 100 + 22 * 34},
          {2, false, true, 21, 100, 100},
          {2, false, true, 29, 100, 100 + 8 * 34},
          {2, true, false, -1, 101, 100 + 11 * 34},
          {2, false, false, 0, 100, 100 + 13 * 34}}},
        // 20 units lower, line 22 would end at 881, one below the room: row 20 goes on page 2.
        {"a line ending one unit below the room",
         Long(true, 30, 1),
         {{1, false, true, 19, 100, 100 + 21 * 34}, {2, false, true, 20, 100, 100}},
         980},
    };
    for (const Case& c : cases) {
        const std::vector<TLegendPlacement> placed =
            c.legend.PrintPlacements(kMetrics, 2000, c.height, 100, 100);
        for (const Placed& e : c.expected) {
            const auto it = std::find_if(placed.begin(), placed.end(), [&](const TLegendPlacement& p) {
                return p.Heading == e.heading && p.Upper == e.upper && p.Row == e.row;
            });
            ASSERT_NE(it, placed.end()) << c.name << " row " << e.row;
            EXPECT_EQ(std::tuple(it->Page, it->X, it->Y), std::tuple(e.page, e.x, e.y))
                << c.name << " row " << e.row;
        }
    }
}

// Each placement as "H" (heading) or the row's index, "+" across or "-" down, then x,y.
std::string Placements(const std::vector<TLegendPlacement>& Placed) {
    std::string out;
    for (const TLegendPlacement& p : Placed)
        out += (p.Heading ? std::string("H") : std::to_string(p.Row)) + (p.Upper ? "+" : "-") +
               std::to_string(p.X) + "," + std::to_string(p.Y) + (p.Page == 1 ? " " : "@ ");
    return out;
}

TEST(LegendRender, PlacesTheListsInARectangle) {
    // A rectangle at (10, 20); lines of 34, the across list 172 wide and 4 lines high, a gap of 20.
    struct Case {
        const char* name;
        TLegendRenderer legend;
        bool stacked;
        const char* expected;
    } cases[] = {
        {"side by side", Swedish(), false, "H+11,21 0+10,88 1+10,122 H-203,21 0-202,88 1-202,122 2-202,156 "},
        {"stacked", Swedish(), true, "H+11,21 0+10,88 1+10,122 H-11,179 0-10,246 1-10,280 2-10,314 "},
        {"one list", Long(false, 2, 2, rtFillup), false, "H-11,21 0-10,88 1-10,122 "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Placements(c.legend.DrawPlacements(kMetrics, QRect(10, 20, 600, 400), c.stacked)),
                  c.expected)
            << c.name;
}

TEST(LegendRender, DrawsEveryRowSolvedOrNotWithItsMark) {
    // The solved row is hidden in the window; on paper it shows with a ticked box.
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(20);
    painter.setFont(font);
    const TLegendRenderer legend = Swedish();
    const TLegendMetrics metrics = TLegendMetrics::Of(painter.fontMetrics());
    const std::vector<TLegendPlacement> placed = legend.DrawPlacements(metrics, QRect(0, 0, 600, 400), false);
    EXPECT_EQ(
        std::count_if(placed.begin(), placed.end(), [](const TLegendPlacement& p) { return !p.Heading; }), 5);
    legend.DrawLegend(painter, QRect(0, 0, 600, 400), false);
    painter.end();
    const int side = metrics.TextHeight;
    auto inkInBox = [&](const TLegendPlacement& p) {
        int ink = 0;
        const int top = p.Y + (metrics.TextHeight + 4 - side) / 2;
        for (int y = top + side / 4; y < top + side * 3 / 4; ++y)
            for (int x = p.X + side / 4; x < p.X + side * 3 / 4; ++x)
                ink += qGray(image.pixel(x, y)) < 128;
        return ink;
    };
    for (const TLegendPlacement& p : placed) {
        if (p.Heading)
            continue;
        const bool solved = legend.Rows(p.Upper)[size_t(p.Row)].Solved;
        EXPECT_EQ(inkInBox(p) > 0, solved) << "row " << p.Row << (p.Upper ? " across" : " down");
    }
}
