// Morvane's profile editor commands, New Profile, and the profile file commands.
#include <QLabel>

#include "morvane_window.h"
#include "names.h"
#include "profile_editor.h"
#include "random/breakpoint_table.h"
#include "random/checks.h"
#include "random/editor.h"
#include "random/profile_file.h"
#include "random/spectrum.h"

namespace vib::random::app {
namespace {

constexpr const char* kProfilePattern = "QTRFileR.*";
constexpr const char* kProfileFilter =
    "All Profiles (QTRFileR.*)|QTRFileR.*|All Profiles (*.prf)|*.prf|All Files (*.*)|*.*";
constexpr const char* kExeQuestion =
    "You have chosen EXE as the file extension; do you want to continue to save this file?";

FileDialogRequest ProfileDialog(const char* title) {
    return {title, kProfileFilter, 1, kProfilePattern};
}

bool Cancelled(const std::string& name) {
    return name.empty() || name == kProfilePattern;
}

constexpr const char* kListPattern = "*.csv";
FileDialogRequest ListDialog(const char* title) {
    return {title, "Breakpoint Lists (*.csv)|*.csv|All Files (*.*)|*.*", 1, kListPattern};
}

}  // namespace

void MorvaneWindow::ShowProfileEditor() {
    if (!editor_) {
        ProfileEditor::Hooks hooks;
        hooks.guarded = [this](std::function<void()> handler) { Guarded(handler); };
        hooks.update = [this] { UpdateFromEditor(); };
        hooks.close = [this] { CloseProfileEditor(); };
        hooks.copy = [this](const std::string& text) { Svc().clipboard.SetText(text); };
        hooks.paste = [this](int row, int column) { PasteIntoEditor(row, column); };
        hooks.clipboardText = [this] { return Svc().clipboard.Text(); };
        editor_ = std::make_unique<ProfileEditor>(state_, Svc().locale.decimal, std::move(hooks));
    }
    editor_->show();
    editor_->raise();
    editor_->activateWindow();
}

void MorvaneWindow::CloseProfileEditor() {
    // Unloaded: edits not taken over are gone, and the next show loads the model afresh.
    // The form is deleted once its own click has finished.
    if (!editor_) return;
    ProfileEditor* form = editor_.release();
    form->hide();
    form->deleteLater();
}

void MorvaneWindow::UpdateFromEditor() {
    if (!editor_) return;
    auto box = [this](const std::string& text, BoxIcon icon, const std::string& title) {
        Svc().box.Show(text, BoxButtons::Ok, icon, title);
    };
    // A slope without a point to start from stops the update before anything is stored.
    EditorGrid grid = editor_->Grid();
    if (const auto slope = ResolveSlopes(grid, Svc().locale.decimal)) {
        box(SlopeProblemMessage(*slope), BoxIcon::Exclamation, kProfileSetupTitle);
        return;
    }
    // Levels whose results overflow could be neither shown nor saved and opened again:
    // such a table is not taken over, and the grid keeps it for the user to mend.
    RandomState taken = state_;
    const auto problems = TakeOverEditorGrid(grid, taken);
    RecomputeModel(taken);
    if (!ResultsFinite(taken)) {
        box(kResultsTooLarge, BoxIcon::Exclamation, kProfileSetupTitle);
        return;
    }
    state_ = std::move(taken);
    // Each slope's cell now shows the level it gave.
    editor_->ShowTexts(grid);
    editor_->Adopt(state_);
    if (!problems.empty())
        box(UnusableRowsMessage(problems), BoxIcon::Exclamation, kProfileSetupTitle);
    if (const std::string rise = NotRisingMessage(state_); !rise.empty())
        box(rise, BoxIcon::Exclamation, kProfileSetupTitle);
    if (NeedsLowFrequencyWarning(state_))
        box(kLowFrequencyWarning, BoxIcon::Exclamation, kProfileSetupTitle);
    // The recompute's model part ran above, on the table taken over.
    SyncMenuChecks();
    Redraw();
    ShowResultLabels();
    ShowLevelCheckBoxes();
    Redraw();
}

void MorvaneWindow::PasteIntoEditor(int row, int column) {
    if (!editor_) return;
    auto refuse = [this](const std::string& text) {
        Svc().box.Show(text, BoxButtons::Ok, BoxIcon::Exclamation, kProfileSetupTitle);
    };
    const BreakpointTable table =
        ReadBreakpointTable(Svc().clipboard.Text(), column, Svc().locale, Svc().locale.decimal,
                            state_.Param(prm::DefaultAbortDb), TableSource::Clipboard);
    if (!table.problem.empty()) return refuse("Nothing was pasted. " + table.problem);
    const int rows = static_cast<int>(table.rows.size());
    if (row + rows - 1 > kEditableEntries)
        return refuse("Nothing was pasted: the " + std::to_string(rows) + " rows from point " +
                      std::to_string(row) + " would end past point " +
                      std::to_string(kEditableEntries) + ", the last of the table.");
    EditorGrid grid = editor_->Grid();
    for (int i = 0; i < rows; ++i)
        for (int c = column; c < kGridColumns; ++c)
            if (const auto& cell = table.rows[static_cast<std::size_t>(i)][c])
                // A comment cell carries the grid's two blanks, as every cell shown does.
                grid[row + i][c] = c == 4 ? *cell + "  " : *cell;
    editor_->ShowTexts(grid);
}

void MorvaneWindow::ImportBreakpointList() {
    const std::string name = Svc().files.ShowOpen(ListDialog("QTR-8 Import Breakpoints"));
    if (name.empty() || name == kListPattern) return;
    // A list that cannot be taken over whole is refused as a damaged file is, and the
    // profile stays as it was.
    RandomState next;
    const bool read = RunWithRetry([&] {
        std::string text;
        if (FileError e = Svc().fileSystem.Read(name, text)) return e;
        next = state_;
        const BreakpointTable table =
            ReadBreakpointTable(text, 1, Svc().locale, Svc().locale.decimal,
                                state_.Param(prm::DefaultAbortDb), TableSource::File);
        std::string problem = table.problem;
        if (problem.empty()) problem = ImportBreakpoints(table.rows, next);
        if (!problem.empty()) return FileError::Make(err::kTypeMismatch, problem);
        RecomputeModel(next);
        if (!ResultsFinite(next))
            return FileError::Make(err::kOverflow, "its levels give results beyond any number");
        return FileError{};
    });
    if (!read) return;
    state_ = std::move(next);
    Recompute();
}

void MorvaneWindow::ExportBreakpointList() {
    const std::string name =
        WithDefaultExtension(Svc().files.ShowSave(ListDialog("QTR-8 Export Breakpoints")), "csv");
    if (name.empty() || name == kListPattern) return;
    const std::string csv = BreakpointCsv(state_);
    RunWithRetry([&] { return Svc().fileSystem.Write(name, csv); });
}

void MorvaneWindow::NewProfile() {
    NewProfileModel(state_);
    // The results, the plot and the report then all show the new profile, not the last one.
    Recompute();
    ShowProfileEditor();
}

void MorvaneWindow::OpenProfile() {
    const std::string name =
        Svc().files.ShowOpen(WithJoinedFilter(ProfileDialog("QTR-8 Open Profile"), "All Profiles"));
    // A cancelled dialog changes nothing, the profile's name included.
    if (Cancelled(name)) return;
    OpenProfileFile(name);
}

void MorvaneWindow::OpenProfileFile(const std::string& name) {
    const std::string caption = state_.TestTitle;
    // Nothing of a file that was not read whole reaches the model, its name included.
    if (!RunWithRetry([&] { return OpenRandomProfile(Svc().fileSystem, name, caption, state_); }))
        return;
    state_.ProfileName = name;
    Recompute();
    // A stored file stays readable, but the user learns why its results look wrong.
    if (const std::string rise = NotRisingMessage(state_); !rise.empty())
        Svc().box.Show(rise, BoxButtons::Ok, BoxIcon::Exclamation, kProfileSetupTitle);
}

void MorvaneWindow::SaveProfile() {
    const std::string name =
        WithDefaultExtension(Svc().files.ShowSave(ProfileDialog("QTR-8 Save Profile")), "prf");
    if (HasExeExtension(name) &&
        Svc().box.Show(kExeQuestion, BoxButtons::YesNo, BoxIcon::Stop, "") == BoxAnswer::No)
        return;
    if (Cancelled(name)) return;
    const std::string caption = state_.TestTitle;
    if (!RunWithRetry([&] { return SaveRandomProfile(Svc().fileSystem, name, caption, state_); }))
        return;
    // The label names the file saved at once, not at the next redraw.
    state_.ProfileName = name;
    ShowResultLabels();
}

}  // namespace vib::random::app
