// The profile editor and the Tools menu with spreadsheets and standards' slopes: what a
// user types, pastes, copies, imports and exports, through the window.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "morvane_fixture.h"
#include "random/app/profile_editor.h"

namespace vib::random::app {
namespace {

class MorvaneSpreadsheetTest : public MorvaneFixture {
  protected:
    QTableWidget* Grid() { return w().Editor()->findChild<QTableWidget*>("Grid1"); }
    std::string Cell(int r, int c) { return Grid()->item(r, c)->text().toStdString(); }
    void Enter(int r, int c, const QString& text) {
        Grid()->setCurrentCell(r, c);
        w().Editor()->findChild<QLineEdit*>("Text1")->setText(text);
        w().Editor()->findChild<QPushButton*>("cmdAccept")->click();
    }
    void Update() { w().Editor()->findChild<QPushButton*>("cmdUpdate")->click(); }
    void Keys(Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
        QApplication::sendEvent(Grid(), &press);
    }
    std::string Status() {
        return w().Editor()->findChild<QLabel*>("lblSegmentStatus")->text().toStdString();
    }
};

TEST_F(MorvaneSpreadsheetTest, SlopesTypedAsAStandardWritesThem) {
    Trigger("mnuProfileModify");
    const char* rows[][2] = {
        {"20", "0.01"}, {"80", "+3 dB/oct"}, {"350", "0 dB/oct"}, {"2000", "-3 dB/oct"}};
    for (int r = 0; r < 4; ++r) {
        Enter(r + 1, 1, rows[r][0]);
        Enter(r + 1, 2, rows[r][1]);
    }
    Grid()->setCurrentCell(3, 1);
    EXPECT_NE(Status().find("Segment 80 - 350 Hz: 0 dB/oct"), std::string::npos) << Status();
    EXPECT_NE(Status().find("whole profile 6.05 G-RMS (exact)"), std::string::npos) << Status();
    Update();
    EXPECT_NEAR(s().Asd[2], 0.03981, 0.03981e-3);
    EXPECT_EQ(s().Asd[3], s().Asd[2]);
    EXPECT_NEAR(s().Asd[4], 0.007009, 0.007009e-3);
    EXPECT_EQ(Cell(4, 2), FloatToText(s().Asd[4]) + "  ");  // the level, not the slope
}

TEST_F(MorvaneSpreadsheetTest, ASlopeInRowOneStopsTheUpdateWithItsBox) {
    Trigger("mnuProfileModify");
    Enter(1, 2, "3 dB/oct");
    const RandomState before = s();
    Update();
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].title, "Profile Setup Parameters");
    EXPECT_EQ(t.box.shown[0].text.rfind("Point 1 gives its ASD level as a slope", 0), 0u);
    EXPECT_EQ(s().Asd, before.Asd);
    EXPECT_EQ(Cell(1, 2), "3 dB/oct  ");
}

// The NAVMAT rows from a decimal-comma spreadsheet pasted at the first cell, and the
// same rows as a CSV file imported: the same model.
TEST_F(MorvaneSpreadsheetTest, PasteInADecimalCommaLocaleAndImportGiveOneModel) {
    t.services.locale = kDecimalCommaLocale;
    Trigger("mnuProfileModify");
    t.clipboard.text =
        "Hz;G^2/Hz;dB;Text\n20;0,01;6;a\n80;0,04;6;b\n350;0,04;6;c\n2000;0,007;6;d\n";
    Grid()->setCurrentCell(1, 1);
    Keys(Qt::Key_V);
    EXPECT_EQ(Cell(3, 2), "0,04  ");
    Update();
    const RandomState pasted = s();
    EXPECT_NEAR(s().Gref, 6.06, 0.01);

    files.files["/p/navmat.csv"] =
        "frequency_hz,asd,abort_db,comment\r\n20,0.01,6,a\r\n80,0.04,6,b\r\n350,0.04,6,c\r\n"
        "2000,0.007,6,d\r\n";
    Trigger("mnuFileNew");
    t.files.answers = {std::string("/p/navmat.csv")};
    Trigger("mnuToolsImportBreakpoints");
    EXPECT_EQ(t.files.opened.back().title, "QTR-8 Import Breakpoints");
    EXPECT_EQ(s().Freq, pasted.Freq);
    EXPECT_EQ(s().Asd, pasted.Asd);
    EXPECT_EQ(s().AbortDb, pasted.AbortDb);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(s().Comment[k], pasted.Comment[k]);
    EXPECT_EQ(Cell(4, 1), "2000  ");  // the open editor follows the import
}

TEST_F(MorvaneSpreadsheetTest, CopyAndTheBoxesOfARefusedPaste) {
    Trigger("mnuProfileModify");
    Grid()->setRangeSelected(QTableWidgetSelectionRange(1, 1, 2, 2), true);
    Keys(Qt::Key_C);
    EXPECT_EQ(t.clipboard.text, "10\t0.001\n100\t0.1\n");

    std::string many;
    for (int k = 1; k <= 3; ++k) many += std::to_string(k * 100) + "\t0.01\n";
    t.clipboard.text = many;
    Grid()->setCurrentCell(49, 1);
    Keys(Qt::Key_V);
    t.clipboard.text = "20\tzero\n";
    Keys(Qt::Key_V);
    ASSERT_EQ(t.box.shown.size(), 2u);
    EXPECT_NE(t.box.shown[0].text.find("past point 50"), std::string::npos);
    EXPECT_EQ(t.box.shown[1].text,
              "Nothing was pasted. Line 1: the ASD level 'zero' is not a number.");
    EXPECT_EQ(Cell(49, 1), "0  ");
}

// Ctrl+C and Ctrl+V while the edit box has the focus, as it has after a click on a cell:
// a block goes to the grid at the selected cell, a single value into the box, and
// selected cells are copied as cells.
TEST_F(MorvaneSpreadsheetTest, TheEditBoxsCopyAndPaste) {
    Trigger("mnuProfileModify");
    auto* text1 = w().Editor()->findChild<QLineEdit*>("Text1");
    auto key = [&](Qt::Key k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::ControlModifier);
        QApplication::sendEvent(text1, &press);
    };
    const struct {
        int row, column;
        const char* clipboard;
        const char* cell;   // the selected cell afterwards
        const char* below;  // the cell right of it afterwards
        const char* box;    // the edit box afterwards
    } pastes[] = {
        {3, 1, "5000\t0.026\n6000\t0.02\n", "5000  ", "0.026  ", "500  "},
        {4, 2, "0.026\r\n", "0.02  ", "6  ", "0.026"},
        {5, 4, "first\nsecond\n", "first  ", "  ", "  "},
    };
    for (const auto& p : pastes) {
        Grid()->setCurrentCell(p.row, p.column);  // the box gets the cell, all selected
        ASSERT_TRUE(text1->hasSelectedText());
        t.clipboard.text = p.clipboard;
        key(Qt::Key_V);
        EXPECT_EQ(Cell(p.row, p.column), p.cell) << p.clipboard;
        if (p.column < 4) {
            EXPECT_EQ(Cell(p.row, p.column + 1), p.below) << p.clipboard;
        }
        EXPECT_EQ(text1->text().toStdString(), p.box) << p.clipboard;
    }
    EXPECT_EQ(Cell(4, 1), "6000  ");
    EXPECT_EQ(Cell(6, 4), "second  ");

    const struct {
        QTableWidgetSelectionRange cells;
        const char* typed;  // typed into the box and selected, or nothing
        const char* copied;
    } copies[] = {
        {{1, 1, 2, 2}, nullptr, "10\t0.001\n100\t0.1\n"},
        {{2, 1, 2, 1}, nullptr, "100\n"},
        {{2, 1, 2, 1}, "2500", "2500"},
    };
    for (const auto& c : copies) {
        Grid()->setCurrentCell(c.cells.topRow(), c.cells.leftColumn());
        Grid()->clearSelection();
        Grid()->setRangeSelected(c.cells, true);
        if (c.typed) {
            text1->setText(c.typed);
            text1->selectAll();
        }
        key(Qt::Key_C);
        EXPECT_EQ(t.clipboard.text, c.copied);
        Grid()->clearSelection();
    }
}

TEST_F(MorvaneSpreadsheetTest, ExportThenImportAndADamagedList) {
    t.files.answers = {std::string("/p/out")};
    Trigger("mnuToolsExportBreakpoints");
    ASSERT_TRUE(files.files.count("/p/out.csv"));
    EXPECT_EQ(files.files["/p/out.csv"].substr(0, 35), "frequency_hz,asd,abort_db,comment\r\n");
    const RandomState exported = s();
    Trigger("mnuFileNew");
    t.files.answers = {std::string("/p/out.csv")};
    Trigger("mnuToolsImportBreakpoints");
    EXPECT_EQ(s().Freq, exported.Freq);
    EXPECT_EQ(s().Asd, exported.Asd);
    EXPECT_EQ(s().Gref, exported.Gref);

    files.files["/p/bad.csv"] = "20,0.01\n80,\n";
    t.files.answers = {std::string("/p/bad.csv")};
    Trigger("mnuToolsImportBreakpoints");
    ASSERT_FALSE(t.box.shown.empty());
    EXPECT_EQ(t.box.shown.back().title, "Error #  13 Occured");
    EXPECT_EQ(t.box.shown.back().buttons, BoxButtons::RetryCancel);
    EXPECT_EQ(t.box.shown.back().detail, "Line 2: the ASD level is missing.");
    EXPECT_EQ(s().Freq, exported.Freq);
}

}  // namespace
}  // namespace vib::random::app
