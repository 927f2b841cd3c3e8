#include "scripted_dialogs.h"

#include <sstream>

namespace vib::testing {

BoxAnswer ScriptedMessageBox::Show(const std::string& text, BoxButtons buttons, BoxIcon icon,
                                   const std::string& title, const std::string& detail) {
    shown.push_back({text, buttons, icon, title, detail, BoxReasonOf(detail)});
    if (whileOpen) whileOpen();
    if (!answers.empty()) {
        const BoxAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (buttons) {
        case BoxButtons::Ok:
            return BoxAnswer::Ok;
        case BoxButtons::YesNo:
            return BoxAnswer::No;
        case BoxButtons::RetryCancel:
            break;
    }
    return BoxAnswer::Cancel;
}

std::string ScriptedInputBox::Ask(const std::string& prompt, const std::string& title,
                                  const std::string& proposed) {
    asked.push_back({prompt, title, proposed});
    if (answers.empty()) return {};
    const auto a = answers.front();
    answers.pop_front();
    return a.value_or(std::string{});
}

namespace {

std::string Answer(std::deque<std::optional<std::string>>& answers, const std::string& initial) {
    if (answers.empty()) return initial;
    const auto a = answers.front();
    answers.pop_front();
    return a.value_or(initial);
}

}  // namespace

std::string ScriptedFileDialog::ShowOpen(const FileDialogRequest& request) {
    opened.push_back(request);
    return Answer(answers, request.fileName);
}

std::string ScriptedFileDialog::ShowSave(const FileDialogRequest& request) {
    saved.push_back(request);
    return Answer(answers, request.fileName);
}

FileError ScriptedPrinter::ShowSetupDialog(const std::string& title) {
    calls.push_back("setup:" + title);
    if (setupResults.empty()) return {};
    FileError e = setupResults.front();
    setupResults.pop_front();
    return e;
}

void ScriptedPrinter::SetOrientation(int o) {
    orientation = o;
    calls.push_back("orientation:" + std::to_string(o));
}

void ScriptedPrinter::SetFontSize(float points) {
    fontSize = points;
    std::ostringstream s;
    s << "font:" << points;
    calls.push_back(s.str());
}

FileError ScriptedPrinter::NextDraw() {
    if (drawResults.empty()) return {};
    FileError e = drawResults.front();
    drawResults.pop_front();
    return e;
}

FileError ScriptedPrinter::PageSize(double& w, double& h) {
    w = width;
    h = height;
    return NextDraw();
}

FileError ScriptedPrinter::Line(double x1, double y1, double x2, double y2, Rgb) {
    std::ostringstream s;
    s << "line:" << x1 << "," << y1 << "," << x2 << "," << y2;
    calls.push_back(s.str());
    x_ = x2;
    y_ = y2;
    return NextDraw();
}

FileError ScriptedPrinter::Print(const std::string& text) {
    calls.push_back("print:" + text);
    return NextDraw();
}

FileError ScriptedPrinter::EndDoc() {
    calls.push_back("enddoc");
    return NextDraw();
}

void ScriptedTimer::Start(int milliseconds, std::function<void()> t) {
    interval = milliseconds;
    tick = std::move(t);
    running = true;
}

}  // namespace vib::testing
