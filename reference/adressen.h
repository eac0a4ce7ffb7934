#pragma once

// Names and addresses of the publisher and the developer (the rights holder).
// Web addresses are kept without a scheme, as the program shows and prints them.
namespace ventoris {

inline constexpr const char *Produktname = "Ventoris";
inline constexpr const char *VerlagName = "Aerolis e.V.";
inline constexpr const char *VerlagWebadresse = "www.aerolis.example";
inline constexpr const char *VerlagEmail = "info@aerolis.example";
inline constexpr const char *EntwicklerName = "Tessarix";
inline constexpr const char *EntwicklerWebadresse = "www.tessarix.example";
inline constexpr const char *EntwicklerSupportEmail = "support@tessarix.example";
inline constexpr const char *VerlagStrasse = "Musterstraße 12";
inline constexpr const char *VerlagOrt = "00000 Musterstadt";
inline constexpr const char *RechteinhaberFirma = "Tessarix Softwareentwicklung GmbH";
inline constexpr const char *RechteinhaberStrasse = "Beispielweg 3";
inline constexpr const char *RechteinhaberOrt = "00001 Beispielstadt";
inline constexpr const char *VersionText = "Version 1.0.0.11";

} // namespace ventoris
