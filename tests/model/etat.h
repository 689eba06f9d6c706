#pragma once
// A record as the main window has it after loading, the window's initial
// field texts, and a launch on them.
#include "SimulationState.h"
#include "calcule.h"
#include "init.h"

#include <gtest/gtest.h>

#include <memory>

inline std::unique_ptr<orbeline::SimulationState> etatCharge()
{
    auto s = std::make_unique<orbeline::SimulationState>();
    s->Echelle = 1000, s->Rayon = 6380, s->Reduction = 100, s->NbPoints = 100;
    orbeline::assigneUnite(*s, " km");
    return s;
}

inline orbeline::ChampsSaisis champsInitiaux() { return {"0", "0", "-30000", "0", "6.00", "864", false, true}; }

/// init then calcule on the given fields, as a launch does.
inline orbeline::ResultatCalcul lance(orbeline::SimulationState& s, const orbeline::ChampsSaisis& c)
{
    EXPECT_TRUE(orbeline::init(s, c).ok);
    return orbeline::calcule(s);
}
