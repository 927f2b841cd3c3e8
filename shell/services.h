#pragma once
// The desktop services one program runs against: the real Qt ones in the executables,
// scripted doubles in the tests.

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/numbers.h"

namespace vib::shell {

struct Services {
    MessageBox& box;
    InputBox& input;
    FileDialog& files;
    Printer& printer;
    Clipboard& clipboard;
    Clock& clock;
    ProgramEnd& end;
    Timers& timers;
    FileSystem& fileSystem;            // profiles and waveshapes
    NumberLocale locale;               // separators of the user's locale for input and display
    DocumentViewer* viewer = nullptr;  // the user's guide; none where nothing shows it
};

}  // namespace vib::shell
