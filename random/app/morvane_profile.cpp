// Morvane's profile editor commands, New Profile, and the profile file commands.
#include <QLabel>

#include "morvane_window.h"
#include "names.h"
#include "profile_editor.h"
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

}  // namespace

void MorvaneWindow::ShowProfileEditor() {
    if (!editor_) {
        ProfileEditor::Hooks hooks;
        hooks.guarded = [this](std::function<void()> handler) { Guarded(handler); };
        hooks.update = [this] { UpdateFromEditor(); };
        hooks.close = [this] { CloseProfileEditor(); };
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
    // Levels whose results overflow could be neither shown nor saved and opened again:
    // such a table is not taken over, and the grid keeps it for the user to mend.
    RandomState taken = state_;
    const auto problems = TakeOverEditorGrid(editor_->Grid(), taken);
    RecomputeModel(taken);
    if (!ResultsFinite(taken)) {
        box(kResultsTooLarge, BoxIcon::Exclamation, kProfileSetupTitle);
        return;
    }
    state_ = std::move(taken);
    editor_->Adopt(state_);
    if (!problems.empty())
        box(UnusableRowsMessage(problems), BoxIcon::Exclamation, kProfileSetupTitle);
    if (NeedsLowFrequencyWarning(state_))
        box(kLowFrequencyWarning, BoxIcon::Exclamation, kProfileSetupTitle);
    // The recompute's model part ran above, on the table taken over.
    SyncMenuChecks();
    Redraw();
    ShowResultLabels();
    for (const std::string& message : CheckTestLevels(state_)) box(message, BoxIcon::None, "");
    Redraw();
}

void MorvaneWindow::NewProfile() {
    NewProfileModel(state_);
    Redraw();
    ShowProfileEditor();
}

void MorvaneWindow::OpenProfile() {
    const std::string name = Svc().files.ShowOpen(ProfileDialog("QTR-8 Open Profile"));
    // A cancelled dialog changes nothing, the profile's name included.
    if (Cancelled(name)) return;
    const std::string caption = state_.TestTitle;
    // Nothing of a file that was not read whole reaches the model, its name included.
    if (!RunWithRetry([&] { return OpenRandomProfile(Svc().fileSystem, name, caption, state_); }))
        return;
    state_.ProfileName = name;
    Recompute();
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
