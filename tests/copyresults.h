#pragma once
// What Copy results gives for the window at start-up, by the window and by
// velkor-cli alike.

// 6 dB, 1 W, 50 ohms, E12.
inline constexpr const char* sixdbresults = R"(Attenuation: 6 dB
Input power: 1 W
System impedance: 50 ohms
Series: E12
Pi R1 theoretical value in ohms: 150.5
Pi R2 theoretical value in ohms: 37.4
Pi R3 theoretical value in ohms: 150.5
T R1 theoretical value in ohms: 16.6
T R2 theoretical value in ohms: 66.9
T R3 theoretical value in ohms: 16.6
Power in Pi R1, theoretical: 0.33 W
Power in Pi R2, theoretical: 0.33 W
Power in Pi R3, theoretical: 0.10 W
Pi R1 preferred value: 150R
Pi R2 preferred value: 39R
Pi R3 preferred value: 150R
T R1 preferred value: 18R
T R2 preferred value: 68R
T R3 preferred value: 18R
Power in Pi R1, preferred value: 0.33 W
Power in Pi R2, preferred value: 0.33 W
Power in Pi R3, preferred value: 0.08 W
Power in T R1, preferred value: 0.33 W
Power in T R2, preferred value: 0.31 W
Power in T R3, preferred value: 0.08 W
Pi actual attenuation with preferred values: Attenuation 6.19 dB
T actual attenuation with preferred values: Attenuation 6.36 dB
Pi input VSWR with preferred values: VSWR 1.01
T input VSWR with preferred values: VSWR 1.04
Pi return loss with preferred values: Rtn Loss -43.7 dB
T return loss with preferred values: Rtn Loss -34.2 dB
)";
