#pragma once
// frmProfile, the modeless "Modify Profile" window: a 50-row table of breakpoints, an
// edit box for the selected cell and three buttons. It only edits its own table; taking
// the table over into the model is the main window's Update command.

#include <QWidget>
#include <functional>

#include "random/editor.h"

class QTableWidget;
class QLineEdit;
class QLabel;
class QPushButton;

namespace vib::random::app {

class ProfileEditor : public QWidget {
    Q_OBJECT
  public:
    struct Hooks {
        // Runs a handler unless the program is busy with another (or with a box).
        std::function<void(std::function<void()>)> guarded;
        std::function<void()> update;  // "Update Profile"
        std::function<void()> close;   // "  Close": the owner unloads the form
        // Ctrl+C with the selected cells as tab-separated text, and Ctrl+V at the
        // current cell: the owner reads the clipboard and shows what it takes.
        std::function<void(const std::string&)> copy;
        std::function<void(int row, int column)> paste;
        // The clipboard's text, for a paste into the edit box.
        std::function<std::string()> clipboardText;
    };
    ProfileEditor(const RandomState& state, char decimal, Hooks hooks);

    // The table as it stands, typed edits included.
    EditorGrid Grid() const;
    // Loads the grid afresh when what it shows of the model has changed since it was
    // loaded or taken over; typed edits are kept only while nothing changed underneath.
    void Follow(const RandomState& state);
    // The model now holds what the grid was taken over into: the grid keeps its texts
    // as typed, and later changes are measured from here.
    void Adopt(const RandomState& state) { loaded_ = SourceOf(state); }
    void SetCurrentCell(int row, int column);
    QString Text1() const;
    // Shows the cells of rows 1 to 50 that differ from `grid` (a pasted block, the levels
    // worked out from slopes) as `grid` has them.
    void ShowTexts(const EditorGrid& grid);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Load(const RandomState& state);
    void CellSelected(int row, int column);
    void Accept();
    void FitColumns();
    // The status line under the grid, from the grid's texts and the selected row.
    void ShowStatus();
    void CopySelection();
    // Ctrl+C and Ctrl+V while the edit box has the focus: cells and blocks go to the grid,
    // a single value and a text picked in the box stay with the box.
    void CopyFromEditBox();
    void PasteIntoEditBox();
    // The clipboard into the grid from its current cell (row and column 1 at least).
    void PasteIntoGrid();
    int SelectedCellCount() const;

    Hooks hooks_;
    char decimal_;
    EditorSource loaded_;
    QTableWidget* grid_;
    QLineEdit* text1_;
    QPushButton* accept_;
    QPushButton* update_;
    QPushButton* close_;
    QLabel* label1_;
    QLabel* status_;
};

}  // namespace vib::random::app
