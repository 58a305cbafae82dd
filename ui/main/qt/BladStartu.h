#pragma once

#include <string>
#include <vector>

// What the program says when the toolkit cannot start it: one Polish sentence that names what
// failed, then the toolkit's own explanation, line by line.

// The environment variables that choose the window system.
struct SrodowiskoStartu {
    std::string display;        // DISPLAY, the X11 display
    std::string waylandDisplay; // WAYLAND_DISPLAY, the Wayland compositor's socket
    std::string platforma;      // QT_QPA_PLATFORM, the platform plugin asked for; empty: Qt's
                                // own choice
};

// komunikaty: what the toolkit said while starting, each as it prints it ("category: text"),
// the fatal one last. Returns the whole message, each line ending in a newline.
std::string opisBleduStartu(const SrodowiskoStartu &srodowisko,
                            const std::vector<std::string> &komunikaty);
