// Open Profile, Save Profile and Custom Shape: the file dialogs, the error box with
// Retry, and what each command changes once its file step has succeeded.
#include <QLabel>

#include "menus.h"
#include "names.h"
#include "shock/model.h"
#include "shock/profile_file.h"
#include "tessalt_window.h"

namespace vib::shock::app {
namespace {

constexpr const char* kProfilePattern = "QTRFileC.*";
constexpr const char* kWavePattern = "QTRWaveC.*";

FileDialogRequest ProfileRequest(const char* title) {
    return {title,
            "All Profiles (QTRFileC.*)|QTRFileC.*|All Profiles (*.prf)|*.prf|All Files (*.*)|*.*",
            1, kProfilePattern};
}

}  // namespace

void TessaltWindow::OnOpenProfile() {
    const std::string name = Svc().files.ShowOpen(
        WithJoinedFilter(ProfileRequest("QTR-8 Open Profile"), "All Profiles"));
    // A cancelled dialog changes nothing, the profile's name included.
    if (name.empty() || name == kProfilePattern) return;
    OpenProfileFile(name);
}

void TessaltWindow::OpenProfileFile(const std::string& name) {
    // A file without the title lines keeps the title on screen; a failed open changes
    // nothing.
    if (!RunWithRetry([&] { return OpenShockProfile(Svc().fileSystem, name, state_); })) return;
    state_.ProfileName = name;
    // The rate index comes from the file as it stands, not chosen again.
    Recompute();
}

void TessaltWindow::OnSaveProfile() {
    const std::string name =
        WithDefaultExtension(Svc().files.ShowSave(ProfileRequest("QTR-8 Save Profile")), "prf");
    if (HasExeExtension(name) &&
        Svc().box.Show(
            "You have chosen EXE as the file extension; do you want to continue to save this file?",
            BoxButtons::YesNo, BoxIcon::Stop, "") == BoxAnswer::No)
        return;
    if (name.empty() || name == kProfilePattern) return;
    // A failed save leaves the old file and the old name.
    if (!RunWithRetry([&] { return SaveShockProfile(Svc().fileSystem, name, state_); })) return;
    state_.ProfileName = name;
    // The label names the file saved at once, not at the next redraw.
    screen_.profile = ShowResultLabels(state_, Inputs()).profile;
    ShowText(names::lblProfile, screen_.profile);
}

void TessaltWindow::OnCustomShape() {
    for (const char* item : kShapeItems) SetChecked(item, false);
    SetChecked(names::mnuShockShapeCustom, true);
    state_.P[param::kShape] = CodeOf(Shape::Custom);
    const FileDialogRequest request{
        "QTR-8 Open Custom Waveshape",
        "All Waveshapes (QTRWaveC.*)|QTRWaveC.*|All WaveFiles (*.dat)|*.dat|All Files (*.*)|*.*", 1,
        kWavePattern};
    const std::string name = Svc().files.ShowOpen(request);
    // Cancelled or failed: the custom shape stays selected with the values it had, and
    // the pulse is rebuilt at the next recompute.
    if (name.empty() || name == kWavePattern) return;
    if (!RunWithRetry([&] { return ReadWaveshape(Svc().fileSystem, name, state_); })) return;
    Recompute();
}

}  // namespace vib::shock::app
