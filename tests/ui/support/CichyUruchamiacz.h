#pragma once

#include "Uruchamiacz.h"

// Starts nothing and reports success, for tests that open the about box but do not click a link.
class CichyUruchamiacz final : public ampelor::Uruchamiacz {
  public:
    bool uruchom(const std::string &, ampelor::StylOkna) override { return true; }
};
