#pragma once
// A record as the main window has it after loading, and the window's
// initial field texts.
#include "SimulationState.h"
#include "init.h"

#include <memory>

inline std::unique_ptr<orbeline::SimulationState> etatCharge()
{
    auto s = std::make_unique<orbeline::SimulationState>();
    s->Echelle = 1000;
    orbeline::assigneUnite(*s, " km");
    s->Rayon = 6380;
    s->Reduction = 100;
    s->NbPoints = 100;
    return s;
}

inline orbeline::ChampsSaisis champsInitiaux()
{
    return {"0", "0", "-30000", "0", "6.00", "864", false, true};
}
