#pragma once
// Message box, input box and file dialogs on Qt widgets. Each is modal to the active
// window; an empty title shows the application's name.

#include "platform/dialogs.h"

namespace vib {

class QtMessageBox final : public MessageBox {
  public:
    BoxAnswer Show(const std::string& text, BoxButtons buttons, BoxIcon icon,
                   const std::string& title, const std::string& detail = {}) override;
};

class QtInputBox final : public InputBox {
  public:
    std::string Ask(const std::string& prompt, const std::string& title,
                    const std::string& proposed) override;
};

class QtFileDialog final : public FileDialog {
  public:
    std::string ShowOpen(const FileDialogRequest& request) override;
    std::string ShowSave(const FileDialogRequest& request) override;

  private:
    std::string Run(const FileDialogRequest& request, bool save);
};

}  // namespace vib
