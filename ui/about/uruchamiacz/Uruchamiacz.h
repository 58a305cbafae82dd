#pragma once

#include <memory>
#include <string>

namespace ampelor {

// How the started program's window is shown: normally and given the focus, or hidden.
enum class StylOkna { Normalny, Ukryty };

// Starts another program from a command line, without waiting for it. Plain C++, so that the
// Windows side builds without the toolkit.
class Uruchamiacz {
public:
    virtual ~Uruchamiacz() = default;
    // Returns false when the program could not be started.
    virtual bool uruchom(const std::string &wierszPolecen, StylOkna styl) = 0;
};

// The platform's own: the command line as it stands on Windows; elsewhere the browser command
// is recognised and its address handed to the desktop's URL opener.
std::unique_ptr<Uruchamiacz> utworzUruchamiaczSystemowy();

} // namespace ampelor
