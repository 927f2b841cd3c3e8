#include "tessalt_window.h"
#include "names.h"

#include <QLabel>
#include <QToolButton>

#include "menus.h"
#include "shell/images.h"
#include "shell/spin_button.h"
#include "shock/model.h"

namespace vib::shock::app {
namespace {

// The client area as designed, in twips; picPlot keeps its design place (700, 360) and
// size 7000 x 4455 in it.
constexpr QSize kDesign(8400, 6600);
constexpr QRect kPlot(700, 360, 7000, 4455);

QLabel* Boxed(QLabel* label) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    return label;
}

}  // namespace

TessaltWindow::TessaltWindow(ShockState& state, shell::Services& services, QWidget* parent)
    : ShellWindow(names::frmTSL, services, shell::TessaltTexts(), kDesign, parent),
      state_(state),
      timer_(services.timers.New(names::Timer1)) {
    setWindowIcon(shell::ProgramIcon(true));
    BuildMenus(TessaltMenuTree());
    BuildControls();
    BindProgramCommands();
    timer_->Start(250, [this] { Guarded([this] { TimerTick(); }); });
}

TessaltWindow::~TessaltWindow() {
    timer_->Stop();
}

void TessaltWindow::BuildControls() {
    auto* title =
        AddLabel(names::lblTestTitle, kStartTitle, QRect(700, 20, 7000, 320), Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    PlacePlot(kPlot);

    // Value labels beside the plot at 0 %, 10 %, ... 80 % of its height, time labels
    // under it at 20 % ... 100 % of its width; every redraw writes their numbers anew.
    const char* const startValues[] = {"25", "20", "15", "10", "5", "0", "-5", "-10", "-15"};
    for (int k = 0; k <= 8; ++k) {
        const int y = kPlot.top() + k * kPlot.height() / 10 - 130;
        const QByteArray name = "lblY" + QByteArray::number(k);
        AddLabel(name.constData(), startValues[k], QRect(40, y, 620, 260),
                 Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int k = 1; k <= 5; ++k) {
        const int x = kPlot.left() + k * kPlot.width() / 5;
        const QByteArray name = "lblX" + QByteArray::number(k);
        AddLabel(name.constData(), QString::number(20 * k), QRect(x - 700, 4840, 700, 260),
                 Qt::AlignRight | Qt::AlignVCenter);
    }
    AddLabel(names::lblXaxis, "M-SEC.", QRect(40, 4840, 620, 260),
             Qt::AlignRight | Qt::AlignVCenter);

    auto* spinY = new shell::SpinButton(Qt::Vertical, &Surface());
    spinY->setObjectName(names::spnYaxis);
    PlaceControl(spinY, QRect(7800, 2230, 330, 720));
    auto* spinX = new shell::SpinButton(Qt::Horizontal, &Surface());
    spinX->setObjectName(names::spnXaxis);
    PlaceControl(spinX, QRect(7770, 4840, 540, 300));
    // The arrow pointing up (or right, towards "more detail") zooms in, the other out.
    spinX->UpArrow()->setToolTip("Zoom In");
    spinX->DownArrow()->setToolTip("Zoom Out");
    spinY->UpArrow()->setToolTip("Zoom In");
    spinY->DownArrow()->setToolTip("Zoom Out");
    auto zoom = [this](ZoomCommand command) { Guarded([this, command] { Zoom(command); }); };
    connect(spinX, &shell::SpinButton::SpinUp, this, [zoom] { zoom(ZoomCommand::XIn); });
    connect(spinX, &shell::SpinButton::SpinDown, this, [zoom] { zoom(ZoomCommand::XOut); });
    connect(spinY, &shell::SpinButton::SpinUp, this, [zoom] { zoom(ZoomCommand::YIn); });
    connect(spinY, &shell::SpinButton::SpinDown, this, [zoom] { zoom(ZoomCommand::YOut); });

    Boxed(AddLabel(names::lblDref, "", QRect(700, 5210, 1720, 300)));
    Boxed(AddLabel(names::lblVref, "", QRect(2460, 5210, 1720, 300)));
    Boxed(AddLabel(names::lblAref, "", QRect(4220, 5210, 1720, 300)));
    Boxed(AddLabel(names::lblProfile, "", QRect(5980, 5210, 1720, 300)));
    AddLabel(names::lblTime, "", QRect(700, 5570, 1720, 270));
    AddLabel(names::lblDate, "", QRect(2460, 5570, 1720, 270));
    AddLabel(names::lblAbort, QString::fromStdString(Texts().keyHint),
             QRect(4220, 5570, 3480, 270));
    AddLabel(names::lblStatus, QString::fromStdString(Texts().credits),
             QRect(700, 5930, 5900, 270));
    // The required force takes the credits' place while a moving mass is set.
    Boxed(AddLabel(names::lblForce, "", QRect(700, 5930, 3480, 270)))->setVisible(false);

    auto* cursor = AddLabel(names::lblCursor, "Cursor", QRect(4300, 420, 3350, 270));
    cursor->setStyleSheet("QLabel { color: red; background: white; }");
    cursor->raise();

    auto* logo = AddLabel(names::Image1, "", QRect(80, 5210, 560, 560), Qt::AlignCenter);
    logo->setPixmap(shell::LogoPixmap(QSize(34, 34)));
    auto* sine = AddLabel(names::imgSine, "", QRect(7790, 5210, 560, 400), Qt::AlignCenter);
    sine->setPixmap(shell::SinePixmap(QSize(36, 24)));
    auto* badge = AddLabel(names::Image2, "", QRect(6650, 5920, 1050, 300), Qt::AlignCenter);
    badge->setPixmap(shell::BadgePixmap(QSize(66, 18)));
}

void TessaltWindow::BindProgramCommands() {
    BindAction(names::mnuViewXaxisIn, [this] { Zoom(ZoomCommand::XIn); });
    BindAction(names::mnuViewXaxisOut, [this] { Zoom(ZoomCommand::XOut); });
    BindAction(names::mnuViewYaxisIn, [this] { Zoom(ZoomCommand::YIn); });
    BindAction(names::mnuViewYaxisOut, [this] { Zoom(ZoomCommand::YOut); });
    Bind(names::mnuViewTest, &TessaltWindow::OnViewTest);
    Bind(names::mnuViewSRS, &TessaltWindow::OnViewSrs);
    BindAction(names::mnuViewAcc, [this] { OnViewTrace(kAccShown); });
    BindAction(names::mnuViewVel, [this] { OnViewTrace(kVelShown); });
    BindAction(names::mnuViewDisp, [this] { OnViewTrace(kDispShown); });
    BindSetupCommands();
}

void TessaltWindow::AddUnitValues(const shell::UnitFactors& factors,
                                  std::vector<shell::UnitBound>& values) {
    values.push_back({&state_.P[param::kAmplitude], factors.acceleration});
}

}  // namespace vib::shock::app
