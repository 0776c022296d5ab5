#pragma once

namespace keldo {

// The controls of the input dialog by the resource ids of its template. The
// numbers stay the template's: each control carries its id as object name.
enum class ControlId : int {
    None = -1, // a static text or group box that nothing refers to
    CancelButton = 2,

    WellName = 1000,
    InitialPressure = 1001,
    MaxCapillaryPressure = 1002,
    Contact = 1003,
    HydrocarbonDensity = 1004,
    Temperature = 1005,
    WaterDensity = 1006,
    OkButton = 1007,
    PhiK0 = 1008,
    PhiK1 = 1009,
    PhiK2 = 1010,
    Alfa0 = 1011,
    Alfa1 = 1012,
    Alfa2 = 1013,
    Alfa3 = 1014,
    Beta0 = 1015,
    Beta1 = 1016,
    Swmin0 = 1017,
    Swmin1 = 1018,
    Pcsperr0 = 1019,
    Pcsperr1 = 1020,
    MeasurementList = 1021,
    ReadFileButton = 1022,
    LineCountText = 1023,
    ModeSaturation = 1024,
    ModeContact = 1025,
    DetailCheck = 1026,
    DefaultsButton = 1027,
    WarningsCheck = 1028,
    MinDepth = 1029,
    MaxDepth = 1030,
    Cutoff = 1031,
    AllValuesButton = 1032,
    FluidGas = 1033,
    FluidOil = 1034,
    ContactLabel = 1035,
    DensityLabel = 1036,
    ContactAngle = 1037,
    ContactModeLabel = 1038,
    PressureDependentCheck = 1039,
};

constexpr int ToInt(ControlId id) { return static_cast<int>(id); }

} // namespace keldo
