#pragma once
#include "KeldoInputs.h"

// The fluid properties at reservoir conditions that the capillary-pressure
// model needs, as plain functions of the inputs.
namespace keldo {

// Interfacial tension gas/water (mN/m) at temperature (°C) and pressure (bar);
// two fitted polynomials that meet at 150 bar with a jump.
double InterfacialTensionGasWater(float temperature, float pressure);

// Factor (-) from a mercury capillary pressure to the reservoir fluid against
// water: (interfacial tension · cos contact angle) fluid/water over mercury.
double CapillaryPressureFactor(const CKeldoInputs& in);

// Gas density (kg/m3) at pressure (bar) and temperature (°C) for a relative
// density (air = 1): methane-nitrogen mixture, z by Hall-Yarborough.
float GasDensity(float relativeDensity, float temperature, float pressure);

// Density of the hydrocarbon phase at reservoir conditions (kg/m3): the gas
// density for gas, the entered oil density for oil.
float FluidDensity(const CKeldoInputs& in);

} // namespace keldo
