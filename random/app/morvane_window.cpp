#include "morvane_window.h"
#include "names.h"

#include <QLabel>

#include "menus.h"
#include "profile_editor.h"
#include "random/checks.h"
#include "random/spectrum.h"
#include "shell/images.h"

namespace vib::random::app {
namespace {

// The client area as designed, in twips; every control keeps its share of it.
constexpr QSize kDesign(9600, 7200);

QLabel* Boxed(QLabel* label) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    return label;
}

}  // namespace

MorvaneWindow::MorvaneWindow(RandomState& state, shell::Services& services, QWidget* parent)
    : ShellWindow(names::frmMVR, services, shell::MorvaneTexts(), kDesign, parent), state_(state) {
    setWindowTitle("RANDOM VIBRATION CALCULATOR ");
    setWindowIcon(shell::ProgramIcon(false));
    BuildMenus(MorvaneMenuTree());
    BuildControls();
    BindProgramCommands();
}

MorvaneWindow::~MorvaneWindow() = default;

void MorvaneWindow::BuildControls() {
    // The strip left of the plot stays free: the decade labels are printed there.
    auto* title =
        AddLabel(names::lblTestTitle, kStartTitle, QRect(960, 10, 8350, 290), Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    PlacePlot(QRect(960, 310, 8350, 5160));
    AddLabel(names::Label14, "", QRect(960, 5480, 8350, 270));
    Boxed(AddLabel(names::lblDref, "", QRect(960, 5820, 2000, 300)));
    Boxed(AddLabel(names::lblVref, "", QRect(3010, 5820, 2000, 300)));
    Boxed(AddLabel(names::lblAref, "", QRect(5060, 5820, 2000, 300)));
    Boxed(AddLabel(names::lblProfile, "", QRect(7110, 5820, 2200, 300)));
    AddLabel(names::lblTime, " ", QRect(960, 6200, 1300, 270));
    AddLabel(names::lblDate, " ", QRect(2310, 6200, 1300, 270));
    // The required force, where this program's blank time and date stand, while a moving
    // mass is set.
    Boxed(AddLabel(names::lblForce, "", QRect(960, 6200, 2650, 270)))->setVisible(false);
    AddLabel(names::lblInst, QString::fromStdString(Texts().keyHint), QRect(3660, 6200, 5650, 270));
    AddLabel(names::lblComp, QString::fromStdString(Texts().credits), QRect(960, 6560, 7300, 270));

    auto* cursor = AddLabel(names::lblCursor, "Cursor", QRect(5800, 380, 3400, 270));
    cursor->setStyleSheet("QLabel { color: red; background: white; }");
    cursor->raise();

    auto* logo = AddLabel(names::Image1, "", QRect(150, 6150, 650, 650), Qt::AlignCenter);
    logo->setPixmap(shell::LogoPixmap(QSize(40, 40)));
    auto* badge = AddLabel(names::Image2, "", QRect(8300, 6500, 1010, 330), Qt::AlignCenter);
    badge->setPixmap(shell::BadgePixmap(QSize(66, 20)));
    auto* sine = AddLabel(names::imgSine, "", QRect(120, 5470, 720, 420), Qt::AlignCenter);
    sine->setPixmap(shell::SinePixmap(QSize(46, 26)));
}

void MorvaneWindow::BindProgramCommands() {
    Bind(names::mnuViewXaxisIn, &MorvaneWindow::ZoomFreqIn);
    Bind(names::mnuViewXaxisOut, &MorvaneWindow::ZoomFreqOut);
    const char* const ranges[] = {names::mnuProfileFreq250, names::mnuProfileFreq500,
                                  names::mnuProfileFreq1000, names::mnuProfileFreq2000,
                                  names::mnuProfileFreq4000};
    for (int i = 0; i < 5; ++i) BindAction(ranges[i], [this, i] { SetRange(i); });
    const char* const lines[] = {names::mnuProfileLines200, names::mnuProfileLines400,
                                 names::mnuProfileLines800, names::mnuProfileLines1600};
    for (int i = 0; i < 4; ++i) BindAction(lines[i], [this, i] { SetLines(i); });
    Bind(names::mnuTestAbortLimits, &MorvaneWindow::SetOverallAbortLimit);
    const char* const tops[] = {names::mnuViewYmax100, names::mnuViewYmax10, names::mnuViewYmax1,
                                names::mnuViewYmax1x10, names::mnuViewYmax1x100};
    for (int i = 0; i < 5; ++i) BindAction(tops[i], [this, i] { SetYMax(float(i)); });
    const char* const bottoms[] = {names::mnuViewYmin1x100, names::mnuViewYmin1x1000,
                                   names::mnuViewYmin1x10000, names::mnuViewYmin1x100000,
                                   names::mnuViewYmin1x1000000};
    for (int i = 0; i < 5; ++i) BindAction(bottoms[i], [this, i] { SetYMin(float(i)); });
    Bind(names::mnuProfileModify, &MorvaneWindow::ShowProfileEditor);
    Bind(names::mnuFileNew, &MorvaneWindow::NewProfile);
    Bind(names::mnuFileOpenProfile, &MorvaneWindow::OpenProfile);
    Bind(names::mnuFileSaveProfile, &MorvaneWindow::SaveProfile);
    Bind(names::mnuToolsImportBreakpoints, &MorvaneWindow::ImportBreakpointList);
    Bind(names::mnuToolsExportBreakpoints, &MorvaneWindow::ExportBreakpointList);
}

void MorvaneWindow::SyncMenuChecks() {
    for (const auto& [name, checked] : MorvaneMarks(state_)) SetChecked(name, checked);
    ShowShellSettings();
}

void MorvaneWindow::Recompute() {
    SyncMenuChecks();
    RecomputeModel(state_);
    Redraw();
}

void MorvaneWindow::AddUnitValues(const shell::UnitFactors& factors,
                                  std::vector<shell::UnitBound>& values) {
    for (int i = 0; i < kUnitConvertedAsd; ++i)
        values.push_back({&state_.Asd[static_cast<std::size_t>(i)], factors.asd});
}

void MorvaneWindow::RefreshAfterUnitChange() {
    // The levels were converted: the results are worked out from them anew, so the window
    // shows what opening the profile saved now would show.
    Recompute();
    DrawAxisText();
}

void MorvaneWindow::ForceSettingsChanged() {
    // The force is worked out from Gref, which a mass or a rated force leaves as it is.
    ShowResultLabels();
    ShowLevelCheckBoxes();
}

void MorvaneWindow::ShowLevelCheckBoxes() {
    for (const std::string& message : CheckTestLevels(state_))
        Svc().box.Show(message, BoxButtons::Ok, BoxIcon::None, "");
}

bool MorvaneWindow::ZoomKey(char key) {
    switch (key) {
        case 'X':
            ZoomFreqIn();
            return true;
        case 'x':
            ZoomFreqOut();
            return true;
        case 'Y':
            ZoomTopIn();
            return true;
        case 'y':
            ZoomTopOut();
            return true;
        case 'Z':
            ZoomBottomIn();
            return true;
        case 'z':
            ZoomBottomOut();
            return true;
        default:
            return false;
    }
}

}  // namespace vib::random::app
