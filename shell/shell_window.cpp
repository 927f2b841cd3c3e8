#include "shell_window.h"
#include "names.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "platform/numbers.h"

namespace vib::shell {

ShellWindow::ShellWindow(const char* objectName, Services& services, ShellTexts texts,
                         QSize designTwips, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      texts_(std::move(texts)),
      surface_(new FormSurface(designTwips, this)),
      plot_(new PictureWidget(surface_)) {
    setObjectName(objectName);
    surface_->setObjectName(names::Form);
    plot_->setObjectName(names::picPlot);
    setCentralWidget(surface_);
    setFocusPolicy(Qt::StrongFocus);
    plot_->Picture().SetBackColor(BackgroundColor(0));

    connect(plot_, &PictureWidget::MouseDown, this, [this](int button, double x, double y) {
        Guarded([&] { CursorClicked(button, x, y); });
    });
    // A resize arrives in bursts; the program hears of it once, after the burst.
    connect(plot_, &PictureWidget::Resized, this, [this] {
        if (resizePending_) return;
        resizePending_ = true;
        QTimer::singleShot(100, this, [this] {
            resizePending_ = false;
            Guarded([this] { PlotResized(); });
        });
    });
}

ShellWindow::~ShellWindow() = default;

Rgb ShellWindow::BackgroundColor(float setting) {
    return ConsoleColor(setting == 1.0f ? 15 : 0);
}

void ShellWindow::Load() {
    setWindowState(windowState() | Qt::WindowMaximized);
    savedPrinterFontSize_ = services_.printer.FontSize();
}

void ShellWindow::ShowMaximizedOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
}

QAction* ShellWindow::Action(const std::string& name) const {
    return findChild<QAction*>(QString::fromStdString(name));
}

bool ShellWindow::Checked(const std::string& name) const {
    const QAction* action = Action(name);
    return action && action->isChecked();
}

void ShellWindow::SetChecked(const std::string& name, bool checked) {
    if (QAction* action = Action(name)) action->setChecked(checked);
}

QLabel* ShellWindow::Label(const std::string& name) const {
    return findChild<QLabel*>(QString::fromStdString(name));
}

void ShellWindow::ShowText(const std::string& name, const std::string& text) {
    if (QLabel* label = Label(name)) label->setText(QString::fromStdString(text));
}

bool ShellWindow::Guarded(const std::function<void()>& handler) {
    return guard_.Run(handler);
}

bool ShellWindow::RunWithRetry(const std::function<FileError()>& step) {
    for (;;) {
        const FileError error = step();
        if (!error) return true;
        if (!AskRetry(error)) return false;
    }
}

void ShellWindow::OpenStartProfile(const std::string& path) {
    Guarded([&] { OpenProfileFile(path); });
}

bool ShellWindow::AskRetry(const FileError& error) {
    return services_.box.Show(error.description, BoxButtons::RetryCancel, BoxIcon::Exclamation,
                              ErrorBoxTitle(error.number), error.detail) == BoxAnswer::Retry;
}

std::string ShellWindow::Caption(const std::string& name) const {
    const QLabel* label = Label(name);
    return label ? label->text().toStdString() : std::string();
}

void ShellWindow::BuildMenus(const std::vector<MenuItem>& tree) {
    BuildMenuBar(*menuBar(), tree);
    // A click flips a checkable action before any handler hears of it. The marks are
    // the handlers' business, so the flip is undone first: handlers see the state from
    // before the click, and items without a handler yet keep their mark.
    for (QAction* action : findChildren<QAction*>()) {
        if (!action->isCheckable()) continue;
        connect(action, &QAction::triggered, this,
                [action](bool checked) { action->setChecked(!checked); });
    }
    BindShellCommands();
}

QLabel* ShellWindow::AddLabel(const char* name, const QString& caption, QRect design,
                              Qt::Alignment alignment) {
    auto* label = new QLabel(caption, surface_);
    label->setObjectName(name);
    label->setAlignment(alignment);
    surface_->Place(label, design);
    return label;
}

void ShellWindow::PlacePlot(QRect design) {
    surface_->Place(plot_, design);
}

void ShellWindow::BindAction(const char* name, std::function<void()> handler) {
    QAction* action = Action(name);
    // A handler for an item the menu does not have is a slip in the program: it would
    // leave a command silently dead, so it stops the start at once.
    if (!action || action->menu())
        throw std::logic_error(std::string("no menu item named ") + name + " to bind");
    bound_.insert(name);
    connect(action, &QAction::triggered, this, [this, handler] { Guarded(handler); });
}

std::vector<std::string> ShellWindow::UnboundItems() const {
    std::vector<std::string> out;
    for (const QAction* action : findChildren<QAction*>()) {
        const std::string name = action->objectName().toStdString();
        if (!name.empty() && !action->menu() && !bound_.count(name)) out.push_back(name);
    }
    std::sort(out.begin(), out.end());
    return out;
}

void ShellWindow::BindShellCommands() {
    Bind(names::mnuExit, &ShellWindow::OnExit);
    Bind(names::mnuFileColorsColors, &ShellWindow::OnPrintColor);
    Bind(names::mnuFileColorsMono, &ShellWindow::OnPrintColor);
    Bind(names::mnuFilePrinterSetup, &ShellWindow::OnPrinterSetup);
    BindAction(names::mnuFilePrint, [this] { PrintReport(); });
    BindAction(names::mnuSystemUnitsEnglish, [this] { SwitchUnits(Units::English); });
    BindAction(names::mnuSystemUnitsMetric, [this] { SwitchUnits(Units::Metric); });
    BindAction(names::mnuSystemUnitsHybrid, [this] { SwitchUnits(Units::Hybrid); });
    BindAction(names::mnuSystemSepsEnglish, [this] { OnSeparators(false); });
    BindAction(names::mnuSystemSepsReversed, [this] { OnSeparators(true); });
    BindAction(names::mnuSystemMaxA, [this] { AskLimit(texts_.maxA, Model().limits.maxA); });
    BindAction(names::mnuSystemMaxD, [this] { AskLimit(texts_.maxD, Model().limits.maxD); });
    BindAction(names::mnuSystemMaxV, [this] { AskLimit(texts_.maxV, Model().limits.maxV); });
    Bind(names::mnuSystemMovingMass, &ShellWindow::OnMovingMass);
    Bind(names::mnuSystemMaxForce, &ShellWindow::OnMaxForce);
    Bind(names::mnuTestTitle, &ShellWindow::OnTitle);
    BindAction(names::mnuTestSubTitle1, [this] { OnSubTitle(1); });
    BindAction(names::mnuTestSubTitle2, [this] { OnSubTitle(2); });
    BindAction(names::mnuViewPlotColorBlack, [this] { OnPlotBackground(0); });
    BindAction(names::mnuViewPlotColorWhite, [this] { OnPlotBackground(1); });
    Bind(names::mnuViewAbort, &ShellWindow::OnViewAbort);
    BindAction(names::mnuViewRefresh, [this] { RedrawPlot(); });
    Bind(names::mnuCut, &ShellWindow::OnCopyPlot);
    Bind(names::mnuHelpHelp, &ShellWindow::OnHelpFile);
    BindAction(names::mnuHelpKeyboard,
               [this] { ShowHelp(texts_.keyboard, " Keyboard Access Keys"); });
    BindAction(names::mnuHelpNew, [this] { ShowHelp(texts_.whatsNew, "What's New"); });
    BindAction(names::mnuHelpFormulas, [this] { ShowHelp(FormulaSheet(), "Vibration Formulas"); });
    BindAction(names::mnuHelpAboutSoftware, [this] { ShowHelp(texts_.about, texts_.aboutTitle); });
    Bind(names::mnuHelpOpenExample, &ShellWindow::OnOpenExample);
}

std::string ShellWindow::ExamplesFolder(const std::string& kind) {
    const QString installed = QCoreApplication::applicationDirPath() +
                              "/" VIB_INSTALLED_EXAMPLES "/" + QString::fromStdString(kind);
    for (const QString& folder : {installed, QString(VIB_SOURCE_EXAMPLES "/") + kind.c_str()})
        if (QFileInfo(folder).isDir()) return QDir::cleanPath(folder).toStdString();
    return {};
}

std::string ShellWindow::GuideFile() {
    const QString installed =
        QCoreApplication::applicationDirPath() + "/" VIB_INSTALLED_DOCS "/guide.md";
    for (const QString& file : {installed, QString(VIB_SOURCE_DOCS "/guide.md")})
        if (QFileInfo(file).isFile()) return QDir::cleanPath(file).toStdString();
    return {};
}

void ShellWindow::OnHelpFile() {
    // The guide opens in the desktop's viewer beside the written instructions.
    if (const std::string guide = GuideFile(); !guide.empty() && services_.viewer)
        services_.viewer->Open(guide);
    ShowHelp(texts_.help, " Help Instructions");
}

void ShellWindow::OnOpenExample() {
    // The profile dialog's own rules: a cancel returns the initial name.
    constexpr const char* kPattern = "*.prf";
    const std::string name = services_.files.ShowOpen(
        {"QTR-8 Open Example", "Example Profiles (*.prf)|*.prf|All Files (*.*)|*.*", 1, kPattern,
         ExamplesFolder(texts_.examples)});
    if (name.empty() || name == kPattern) return;
    OpenProfileFile(name);
}

void ShellWindow::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() != 1 || text[0].unicode() >= 128 || text[0].unicode() < 32) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    const char key = static_cast<char>(text[0].unicode());
    Guarded([&] { HandleKey(key); });
}

void ShellWindow::HandleKey(char key) {
    ZoomKey(key);
    const char upper = (key >= 'a' && key <= 'z') ? static_cast<char>(key - 'a' + 'A') : key;
    if (upper == 'J') RedrawPlot();
    if (upper == 'W') services_.box.Show(texts_.origin, BoxButtons::Ok, BoxIcon::None, "Origin");
}

void ShellWindow::closeEvent(QCloseEvent* event) {
    if (guard_.Busy()) {
        // A box of a running handler is still open; the window stays until it returns.
        event->ignore();
        return;
    }
    if (!ending_) {
        ending_ = true;
        services_.printer.SetOrientation(static_cast<int>(RoundHalfEven(savedPrinterOrientation_)));
        services_.printer.SetFontSize(savedPrinterFontSize_);
        services_.end.EndNow();
    }
    event->accept();
}

}  // namespace vib::shell
