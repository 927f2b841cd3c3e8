#include "profile_editor.h"
#include "names.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "random/breakpoint_table.h"

namespace vib::random::app {

ProfileEditor::ProfileEditor(const RandomState& state, char decimal, Hooks hooks)
    : QWidget(nullptr), hooks_(std::move(hooks)), decimal_(decimal) {
    setObjectName(names::frmProfile);
    setWindowTitle(kEditorCaption);
    setAttribute(Qt::WA_QuitOnClose, false);

    grid_ = new QTableWidget(kGridRows, kGridColumns, this);
    grid_->setObjectName(names::Grid1);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A block of cells can be selected for copying, as in a spreadsheet.
    grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid_->installEventFilter(this);
    grid_->horizontalHeader()->setStretchLastSection(false);
    grid_->setWordWrap(false);
    grid_->verticalHeader()->setDefaultSectionSize(22);

    text1_ = new QLineEdit(this);
    text1_->setObjectName(names::Text1);
    text1_->installEventFilter(this);
    accept_ = new QPushButton(" Accept Value", this);
    accept_->setObjectName(names::cmdAccept);
    update_ = new QPushButton("Update Profile", this);
    update_->setObjectName(names::cmdUpdate);
    close_ = new QPushButton("  Close", this);
    close_->setObjectName(names::cmdCancel);
    label1_ = new QLabel(QString(kEditorInstructions) + "\n" + kEditorSlopeHint, this);
    label1_->setObjectName(names::Label1);
    label1_->setWordWrap(true);
    status_ = new QLabel(this);
    status_->setObjectName(names::lblSegmentStatus);
    // A long status wraps within the window's width instead of widening the window.
    status_->setWordWrap(true);
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* row = new QHBoxLayout;
    row->addWidget(text1_, 3);
    row->addWidget(accept_, 1);
    row->addWidget(update_, 1);
    row->addWidget(close_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 6);
    layout->addWidget(status_);
    layout->addLayout(row);
    layout->addWidget(label1_, 1);

    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int r, int c, int, int) {
        CellSelected(r, c);
        ShowStatus();
    });
    connect(grid_, &QTableWidget::cellClicked, this, &ProfileEditor::CellSelected);
    connect(accept_, &QPushButton::clicked, this, [this] { hooks_.guarded([this] { Accept(); }); });
    // Return in the edit box accepts the value, as the button does.
    connect(text1_, &QLineEdit::returnPressed, this,
            [this] { hooks_.guarded([this] { Accept(); }); });
    connect(update_, &QPushButton::clicked, this, [this] { hooks_.guarded(hooks_.update); });
    connect(close_, &QPushButton::clicked, this, [this] { hooks_.guarded(hooks_.close); });

    resize(760, 560);
    layout->activate();
    Load(state);
    FitColumns();
}

void ProfileEditor::Follow(const RandomState& state) {
    if (!StillShows(loaded_, state)) Load(state);
}

void ProfileEditor::Load(const RandomState& state) {
    loaded_ = SourceOf(state);
    const EditorGrid g = LoadEditorGrid(state, decimal_);
    const QColor fixed(224, 224, 224);
    for (int r = 0; r < kGridRows; ++r) {
        for (int c = 0; c < kGridColumns; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(g[r][c]));
            if (r == 0 || c == 0) {
                // The header row and column are fixed: shown, never selected.
                item->setFlags(Qt::ItemIsEnabled);
                item->setBackground(fixed);
            }
            grid_->setItem(r, c, item);
        }
    }
    text1_->setText(QString::fromStdString(g[kGridRows - 1][kGridColumns - 1]));
    SetCurrentCell(1, 1);
    ShowStatus();
}

void ProfileEditor::ShowTexts(const EditorGrid& grid) {
    for (int r = 1; r < kGridRows; ++r)
        for (int c = 1; c < kGridColumns; ++c) {
            const QString text = QString::fromStdString(grid[r][c]);
            if (grid_->item(r, c)->text() != text) grid_->item(r, c)->setText(text);
        }
    ShowStatus();
}

void ProfileEditor::ShowStatus() {
    const int row = grid_->currentRow();
    status_->setText(QString::fromStdString(
        SegmentStatus(Grid(), row < 1 ? 1 : row, UnitsOf(loaded_.units), decimal_)));
}

void ProfileEditor::CopySelection() {
    int top = grid_->currentRow(), bottom = top, left = grid_->currentColumn(), right = left;
    if (const auto ranges = grid_->selectedRanges(); !ranges.isEmpty()) {
        top = ranges.front().topRow();
        bottom = ranges.front().bottomRow();
        left = ranges.front().leftColumn();
        right = ranges.front().rightColumn();
    }
    // The fixed header row and column are no data.
    top = std::max(top, 1);
    left = std::max(left, 1);
    if (bottom < top || right < left) return;
    hooks_.copy(CopiedCells(Grid(), top, left, bottom, right));
}

int ProfileEditor::SelectedCellCount() const {
    int count = 0;
    for (const auto& range : grid_->selectedRanges())
        count += range.rowCount() * range.columnCount();
    return count;
}

void ProfileEditor::CopyFromEditBox() {
    // Selecting a cell puts its text into the box, all of it selected: copying that is
    // copying the cell. Only a text the user picked or typed in the box is copied as such.
    const QTableWidgetItem* cell = grid_->currentItem();
    const bool cellCopy =
        cell && text1_->text() == cell->text() && text1_->selectedText() == text1_->text();
    if (SelectedCellCount() > 1 || !text1_->hasSelectedText() || cellCopy) return CopySelection();
    hooks_.copy(text1_->selectedText().toStdString());
}

void ProfileEditor::PasteIntoEditBox() {
    const std::string text = hooks_.clipboardText();
    if (IsClipboardBlock(text)) return PasteIntoGrid();
    text1_->insert(QString::fromStdString(ClipboardValue(text)));
}

void ProfileEditor::PasteIntoGrid() {
    hooks_.paste(std::max(grid_->currentRow(), 1), std::max(grid_->currentColumn(), 1));
}

void ProfileEditor::SetCurrentCell(int row, int column) {
    // Making a cell current on load does not copy it into the edit box.
    const bool blocked = grid_->blockSignals(true);
    grid_->setCurrentCell(row, column);
    grid_->blockSignals(blocked);
}

QString ProfileEditor::Text1() const {
    return text1_->text();
}

EditorGrid ProfileEditor::Grid() const {
    EditorGrid g;
    for (int r = 0; r < kGridRows; ++r)
        for (int c = 0; c < kGridColumns; ++c)
            if (const QTableWidgetItem* item = grid_->item(r, c))
                g[r][c] = item->text().toStdString();
    return g;
}

void ProfileEditor::CellSelected(int row, int column) {
    if (row < 1 || column < 1) return;
    const QTableWidgetItem* item = grid_->item(row, column);
    text1_->setText(item ? item->text() : QString());
    text1_->setFocus();
    text1_->setSelection(0, static_cast<int>(text1_->text().size()));
}

void ProfileEditor::Accept() {
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    if (row < 1 || column < 1) return;
    const std::string buffer = DecimalCommaRepair(text1_->text().toStdString());
    grid_->item(row, column)->setText(QString::fromStdString(buffer + "  "));
    ShowStatus();
}

void ProfileEditor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitColumns();
}

void ProfileEditor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FitColumns();
}

void ProfileEditor::FitColumns() {
    // Four narrow columns of a sixth each and the comments in the remaining third.
    const int w = grid_->viewport()->width();
    for (int c = 0; c < 4; ++c) grid_->setColumnWidth(c, w / 6);
    grid_->setColumnWidth(4, w - 4 * (w / 6));
}

bool ProfileEditor::eventFilter(QObject* watched, QEvent* event) {
    // Copy and paste: the grid's own, or the edit box's, which sends blocks to the grid.
    if ((watched == grid_ || watched == text1_) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool grid = watched == grid_;
        if (key->matches(QKeySequence::Copy)) {
            hooks_.guarded([this, grid] { grid ? CopySelection() : CopyFromEditBox(); });
            return true;
        }
        if (key->matches(QKeySequence::Paste)) {
            hooks_.guarded([this, grid] { grid ? PasteIntoGrid() : PasteIntoEditBox(); });
            return true;
        }
    }
    // A double-click in the edit box accepts the value, like the button.
    if (watched == text1_ && event->type() == QEvent::MouseButtonDblClick) {
        hooks_.guarded([this] { Accept(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vib::random::app
