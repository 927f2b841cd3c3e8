#pragma once
// All scripted doubles together, the clipboard with them, and the Services bundle the
// programs take.

#include <QImage>
#include <vector>

#include "platform/memory_file_system.h"
#include "scripted_dialogs.h"
#include "shell/services.h"

namespace vib::testing {

class ScriptedClipboard final : public Clipboard {
  public:
    int clears = 0;
    std::vector<QImage> images;
    std::string text;  // what a paste reads, and what the last copy left
    void Clear() override { ++clears; }
    void SetImage(const QImage& image) override { images.push_back(image); }
    void SetText(const std::string& t) override { text = t; }
    std::string Text() override { return text; }
};

// All doubles together, with the Services bundle the programs take. The profiles live in
// memory unless another file system is given.
struct TestServices {
    explicit TestServices(FileSystem* fileSystem = nullptr)
        : services{box,     input,     files,
                   printer, clipboard, clock,
                   end,     timers,    fileSystem ? *fileSystem : memoryFiles,
                   kCLocale} {}

    ScriptedMessageBox box;
    ScriptedInputBox input;
    ScriptedFileDialog files;
    ScriptedPrinter printer;
    ScriptedClipboard clipboard;
    ManualClock clock;
    RecordingProgramEnd end;
    ScriptedTimers timers;
    MemoryFileSystem memoryFiles;
    shell::Services services;
};

}  // namespace vib::testing
