#pragma once
// The program's two web addresses, kept in one place.

namespace orvane {

// An official time service's page that shows the exact time.
inline constexpr char kTimeStandardUrl[] = "https://time.gov/";
// The maker's web address as lblTarnwick and the printed header show it.
inline constexpr char kMakerAddress[] = "www.tarnwick.com";
// The maker's home page.
inline constexpr char kMakerUrl[] = "https://www.tarnwick.com/";

} // namespace orvane
