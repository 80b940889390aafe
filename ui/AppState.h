// What the windows share: the folders, the engine with its options, the window settings and the
// platform services. The main window owns it and lends it to the windows it opens.
#pragma once

#include "engine/Engine.h"
#include "shell/FolderVars.h"
#include "shell/WindowSettings.h"
#include "shell/KeyboardLayouts.h"
#include "ui/Platform.h"

namespace pralomen::ui {

// The Labo window's place and size, remembered between openings while the program runs.
struct LaboPlace {
    int LaboFrmLeft = -1;
    int LaboFrmTop = -1;
    int LaboFrmWidth = -1;
    int LaboFrmHeight = -1;
};

struct AppState {
    AppState(shell::FolderVars folders, PlatformServices platform)
        : Folders(std::move(folders)), engine(Folders.UsrTblFolder), Platform(WithKeyboard(std::move(platform))),
          Keys(*Platform.Keyboard) {}

    PralomenOptions& Options() { return engine.Options(); }

    shell::FolderVars Folders;
    Engine engine;
    shell::WindowSettings Win;
    LaboPlace Labo;
    PlatformServices Platform;
    SupportLinks Links = SupportLinks::Built();
    shell::KeyboardLayouts Keys;
    // The main window's log pane, where every conversion writes, the Labo's included.
    LogPane* MainLog = nullptr;

private:
    // Without a keyboard service the layouts are only remembered, so the switching rules still hold.
    static PlatformServices WithKeyboard(PlatformServices p) {
        if (!p.Keyboard)
            p.Keyboard = std::make_shared<shell::InMemoryKeyboardBackend>();
        return p;
    }
};

} // namespace pralomen::ui
